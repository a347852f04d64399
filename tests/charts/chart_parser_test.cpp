// Station codes and the two parsers: what an entry becomes from the bytes a site sends.
#include <gtest/gtest.h>

#include "charts/chart_parser.h"
#include "charts/stations.h"
#include "core/text/cp1251.h"

namespace melvoro::test {
namespace {

std::vector<std::string> Utf8(const std::vector<std::string>& cp1251) {
  std::vector<std::string> out;
  for (const std::string& text : cp1251) out.push_back(Cp1251ToUtf8(text));
  return out;
}

TEST(Stations, TheCodeFollowsTheFirstSeparatorAndHyphensInNamesDoNotSplit) {
  ASSERT_EQ(Stations(RadioSite::Spb).size(), 24u);
  ASSERT_EQ(Stations(RadioSite::Msk).size(), 55u);
  EXPECT_EQ(Cp1251ToUtf8(Stations(RadioSite::Spb)[21]), "ПИТЕР FM 100.9 - FM_100.9");
  EXPECT_EQ(Cp1251ToUtf8(Stations(RadioSite::Msk)[52]), "КоммерсантъFM - FM_93.6");

  EXPECT_EQ(StationCode(Utf8ToCp1251("Монте-Карло - FM_105.9")), "FM_105.9");
  EXPECT_EQ(StationCode("X-FM - FM_96.4"), "FM_96.4");
  EXPECT_EQ(StationCode(Utf8ToCp1251("Сити-FM - FM_87.9")), "FM_87.9");
  EXPECT_EQ(StationCode("a - b - c"), "b - c");
  // Half-typed text names no station.
  EXPECT_EQ(StationCode("Radio"), std::nullopt);
  EXPECT_EQ(StationCode("Radio -"), std::nullopt);
  EXPECT_EQ(StationCode("Radio - "), std::nullopt);
  EXPECT_EQ(StationCode(""), std::nullopt);
  for (const RadioSite site : {RadioSite::Spb, RadioSite::Msk})
    for (const std::string& entry : Stations(site))
      EXPECT_TRUE(StationCode(entry)->starts_with("FM_")) << entry;
}

TEST(ChartParser, ArtistBlankSongFoldedAndDecodedAsTheLookUpNeedsIt) {
  const std::string page =
      "<td><a href=\"/s/1\" class=\"song\">Снег</a><br>\n<a class=\"artist\">Ветер</a></td>"
      "<a class=\"song\">Café &amp; “Bar” &lt;3 O&#39;Q</a>\n\n<i>x</i><a class=\"artist\">Zoë "
      "&quot;Z&quot;</a>"
      // A song with no artist after it is no entry.
      "<a class=\"song\">Lonely</a>";
  EXPECT_EQ(Utf8(ParseChartPage(page)),
            (std::vector<std::string>{"Ветер Снег", "Zoe \"Z\" Cafe & “Bar” <3 O'Q"}));
  EXPECT_TRUE(ParseChartPage("<html>nothing</html>").empty());
}

TEST(ChartParser, TopTracksTakeEachTracksOwnNameAfterTheArtistAsTyped) {
  const std::string answer =
      "<lfm status=\"ok\"><toptracks artist=\"Glass Otters\">"
      "<track rank=\"1\">\n<name>Paper Lanterns</name>\n<artist><name>Glass Otters</name></artist></track>"
      "<track rank=\"2\">\n<playcount>5</playcount><name>Zürich &amp; "
      "Co</name><artist><name>x</name></artist></track>"
      "</toptracks></lfm>";
  EXPECT_EQ(Utf8(ParseTopTracks(answer, Utf8ToCp1251("гласс оттерс"))),
            (std::vector<std::string>{"гласс оттерс Paper Lanterns", "гласс оттерс Zurich & Co"}));
  EXPECT_TRUE(ParseTopTracks("<lfm status=\"failed\"><error code=\"6\">x</error></lfm>", "a").empty());
}

// A lazy gap of megabytes between the two fields of an entry takes more matching steps than
// the budget allows.
TEST(ChartParser, APageOverTheMatchingBudgetIsCutShortKeepingTheEntriesFoundAndSaysSo) {
  const std::string gap(2 << 20, ' ');
  const std::string songs = R"(<a class="song">x</a>)" + gap + R"(<a class="artist">y</a>)";
  const std::string tracks = R"(<track rank="2">)" + gap + "<name>x</name>";
  bool cut_short = false;
  EXPECT_EQ(ParseChartPage(R"(<a class="song">S</a><a class="artist">A</a>)" + songs, &cut_short),
            std::vector<std::string>{"A S"});
  EXPECT_TRUE(cut_short);
  EXPECT_EQ(ParseTopTracks(R"(<track rank="1"><name>T</name>)" + tracks, "a", &cut_short),
            std::vector<std::string>{"a T"});
  EXPECT_TRUE(cut_short);
  ParseChartPage("<html>nothing</html>", &cut_short);
  EXPECT_FALSE(cut_short);
}

}  // namespace
}  // namespace melvoro::test
