// Cutting pages into songs: which pattern, which groups, and what a malformed row costs.
#include <gtest/gtest.h>

#include "core/config/settings_table.h"
#include "core/log/activity_indicator.h"
#include "core/log/program_log.h"
#include "core/os/console_message_boxes.h"
#include "core/os/event_loop.h"
#include "core/text/texts.h"
#include "search/page_parser.h"
#include "search/search_controller.h"

namespace melvoro {
namespace {

constexpr const char* kMarker = "<table id=\"searchResults\" class=\"searchResults audioResults\">";

std::string SearchRow(const std::string& owner, const std::string& server, const std::string& hash,
                      const std::string& duration, const std::string& performer, const std::string& title,
                      bool lyrics = false) {
  std::string row = "<div class=\"audioRow\" id=\"audio" + owner +
                    "_9\">\n<td><a onclick=\"return operate(9," + server + "," + owner + ",'" + hash + "'," +
                    duration + ");\"></a></td>\n<b id=\"performer9\">" + performer +
                    "</b> &ndash; <span id=\"title9\">";
  if (lyrics) row += "<a href='javascript: showLyrics(9,77);'>";
  // Real rows carry over 1 KiB of actions and scripts, which keeps a match inside its row.
  return row + title + (lyrics ? "</a>" : "") + "</span>\n" + std::string(1100, ' ') + "</div>\n";
}

std::string ListRow(const std::string& link, const std::string& duration, const std::string& performer,
                    const std::string& title) {
  return "<div class=\"audioRow\" id=\"audio1_2\"><a onclick=\"operate('1_2','" + link + "'," + duration +
         ");\"></a><b id=\"performer1_2\"><a href=\"#\">" + performer + "</a></b> - <span id=\"title1_2\">" +
         title + "</span></div>\n";
}

TEST(ParseSongs, SearchPageRowsGiveCleanNamesAndLinksOnTheStorageDomain) {
  const std::string page = std::string("<html>") + kMarker +
                           SearchRow("42", "7", "3f", "215", "AC&amp;\r\nDC", "Back&#32;In Black", true) +
                           SearchRow("100500", "12", "ab12", "", "Kino", "Gruppa &quot;krovi&quot;") +
                           "</table>";
  const auto songs = ParseSongs(page, "storage.example");
  ASSERT_EQ(songs.size(), 2u);
  EXPECT_EQ(songs[0].Artist, "AC&DC");
  EXPECT_EQ(songs[0].Title, "Back In Black");
  EXPECT_EQ(songs[0].Link, "http://cs7.storage.example/u00042/audio/3f.mp3");
  EXPECT_EQ(songs[0].OwnerId, "42");
  EXPECT_EQ(songs[0].Duration, 215);
  // An empty duration costs that field only.
  EXPECT_EQ(songs[1].Duration, 0);
  EXPECT_EQ(songs[1].Title, "Gruppa \"krovi\"");
  EXPECT_EQ(songs[1].Link, "http://cs12.storage.example/u100500/audio/ab12.mp3");
}

TEST(ParseSongs, ThePatternFollowsTheMarkerAndNeverBoth) {
  const std::string list_row = ListRow("http://cs1.x/u00001/audio/a.mp3", "61", "Artist", "Title");
  // Without the marker the audio-list pattern reads the row.
  auto songs = ParseSongs("<html>" + list_row, "x");
  ASSERT_EQ(songs.size(), 1u);
  EXPECT_EQ(songs[0].Link, "http://cs1.x/u00001/audio/a.mp3");
  EXPECT_EQ(songs[0].Name(), "Artist - Title");
  EXPECT_EQ(songs[0].Duration, 61);
  EXPECT_EQ(songs[0].OwnerId, "");
  // With the marker only the search-page pattern is tried.
  EXPECT_TRUE(ParseSongs(kMarker + list_row, "x").empty());
  // A marker behind a zero byte does not count.
  EXPECT_EQ(ParseSongs(std::string("a\0b", 3) + kMarker + list_row, "x").size(), 1u);
}

TEST(ParseSongs, AHugeDurationIsUnknownAndRowsKeepPageOrder) {
  std::string page = kMarker;
  for (int i = 0; i < 150; ++i)
    page += SearchRow(std::to_string(i), "1", "h", i == 3 ? "99999999999" : std::to_string(i), "A",
                      std::to_string(i));
  const auto songs = ParseSongs(page, "x");
  ASSERT_EQ(songs.size(), 150u);
  EXPECT_EQ(songs[3].Duration, 0);
  EXPECT_EQ(songs[149].Title, "149");
  EXPECT_EQ(songs[149].Duration, 149);
}

TEST(ParsePage, APageWithoutARowIsLoggedWithItsText) {
  EventLoop loop;
  ActivityIndicator activity;
  ConsoleMessageBoxes boxes;
  SettingsTable settings;
  Hosts hosts;
  ProgramLog log;
  SearchController controller(RequestContext{loop, activity, boxes}, settings, hosts, log);
  EXPECT_TRUE(controller.ParsePage(std::string(kMarker) + "</table>").empty());
  ASSERT_EQ(log.Count(), 1u);
  EXPECT_EQ(log.At(0).Icon, kLogNothingFound);
  EXPECT_EQ(log.At(0).Description,
            "\xCD\xE8\xF7\xE5\xE3\xEE \xED\xE5 \xED\xE0\xE9\xE4\xE5\xED\xEE \xE8\xE7 "
            "\xEA\xEE\xED\xF2\xE0\xEA\xF2\xE0.");
  EXPECT_NE(log.At(0).Details.find("searchResults"), std::string::npos);
  EXPECT_EQ(controller.ParsePage(ListRow("l", "1", "a", "t")).size(), 1u);
  EXPECT_EQ(log.Count(), 1u);

  // A page of megabytes keeps only its start in the log.
  EXPECT_TRUE(controller.ParsePage(std::string(kMarker) + std::string(4 << 20, 'x')).empty());
  ASSERT_EQ(log.Count(), 2u);
  EXPECT_LT(log.At(0).Details.size(), 100'000u);
  EXPECT_EQ(log.At(0).Details.rfind("4194365)"), log.At(0).Details.size() - 8);
}

// Rows whose every operate, performer and title window reaches the others, none with a title of
// its own (the page has one, at its end): unbounded, each row costs millions of backtracking steps
// and a page of them takes minutes.
TEST(ParsePage, ACraftedPageIsCutShortKeepingItsRowsAndSaysSo) {
  std::string crafted;
  while (crafted.size() < (1u << 20))
    crafted += R"(<div class="a" id="audio1">operate('','L',1)<b id="performer1">x>y<)";
  bool cut_short = false;
  const auto songs = ParseSongs(ListRow("l", "1", "a", "t") + crafted, "x", &cut_short);
  EXPECT_TRUE(cut_short);
  ASSERT_EQ(songs.size(), 1u);
  EXPECT_EQ(songs[0].Link, "l");

  EventLoop loop;
  ActivityIndicator activity;
  ConsoleMessageBoxes boxes;
  SettingsTable settings;
  Hosts hosts;
  ProgramLog log;
  SearchController controller(RequestContext{loop, activity, boxes}, settings, hosts, log);
  EXPECT_TRUE(controller.ParsePage(crafted + R"(id="title1">)").empty());
  ASSERT_EQ(log.Count(), 1u);
  EXPECT_EQ(log.At(0).Icon, kLogError);
  EXPECT_EQ(log.At(0).Description, texts::kPageCutShort.str() + "0");
}

}  // namespace
}  // namespace melvoro
