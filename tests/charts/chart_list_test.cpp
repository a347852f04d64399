// The charts list against netsim: what each load asks for, what fills the list, which load
// may fill it, and the hand-off to the download list.
#include "charts/chart_list.h"

#include <algorithm>
#include <filesystem>

#include "core/os/os_path.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "downloads/queue_fixture.h"
#include "support/netsim_process.h"

namespace melvoro::test {
namespace {

struct NetsimFirst {
  NetsimProcess netsim;
};

class ChartListNetsim : protected NetsimFirst, public QueueFixture {
 protected:
  ChartListNetsim() : QueueFixture(netsim.HostsTable()) {}

  // Runs the loop until every request has ended.
  void Settle() {
    ASSERT_TRUE(loop.RunUntil([&] { return loop.RunningWorkers() == 0 && !charts.Loading(); },
                              std::chrono::seconds(10)));
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const ChartEntry& entry : charts.Entries()) texts.push_back(Cp1251ToUtf8(entry.Text));
    return texts;
  }
  std::string LastRequestLine() const { return netsim.Requests().back().request_line; }

  ChartList& charts = engine.Charts();
};

TEST_F(ChartListNetsim, StationAndSiteChartsAskTheRightSiteAndFillTheListInPageOrder) {
  ASSERT_TRUE(charts.LoadStationChart(RadioSite::Spb, Utf8ToCp1251("Монте-Карло - FM_105.9")));
  EXPECT_TRUE(charts.Loading());
  Settle();
  EXPECT_EQ(LastRequestLine(), "GET /stations/FM_105.9/top100 HTTP/1.0");
  EXPECT_EQ(netsim.Requests().back().Header("Host"), netsim.Host("radiospb"));
  EXPECT_EQ(netsim.Requests().back().Header("Cookie"), "");
  auto texts = Texts();
  ASSERT_EQ(texts.size(), 22u);
  // The site's UTF-8 in Windows-1251 as the look-up needs it: accents folded, entities decoded.
  EXPECT_EQ(texts[1], "Zoe Marchetti Cafe Uberall");
  EXPECT_EQ(texts[4], "Sonya & the Paper Moons Moon № 5 — “Encore”");
  for (const ChartEntry& entry : charts.Entries()) EXPECT_EQ(entry, (ChartEntry{.Text = entry.Text}));

  ASSERT_TRUE(charts.LoadStationChart(RadioSite::Msk, "X-FM - FM_96.4"));
  Settle();
  EXPECT_EQ(LastRequestLine(), "GET /stations/FM_96.4/top100 HTTP/1.0");
  EXPECT_EQ(netsim.Requests().back().Header("Host"), netsim.Host("radiomsk"));
  EXPECT_NE(Texts(), texts);

  charts.LoadSiteChart(RadioSite::Msk);
  Settle();
  EXPECT_EQ(LastRequestLine(), "GET /charts/top100 HTTP/1.0");
  EXPECT_EQ(netsim.Requests().back().Header("Host"), netsim.Host("radiomsk"));
  EXPECT_GT(charts.Entries().size(), 50u);
  EXPECT_TRUE(boxes.shown.empty());

  // Half-typed text sends nothing and leaves the list as it is.
  const std::size_t requests = netsim.Requests().size();
  const auto before = charts.Entries();
  EXPECT_FALSE(charts.LoadStationChart(RadioSite::Msk, Utf8ToCp1251("Радио - ")));
  EXPECT_FALSE(charts.Loading());
  EXPECT_EQ(netsim.Requests().size(), requests);
  EXPECT_EQ(charts.Entries(), before);
}

// Entries with entities and accents are looked up as the search page spells the songs.
TEST_F(ChartListNetsim, EntitiesAndAccentsInAChartStillFindTheirSongs) {
  ASSERT_TRUE(charts.LoadStationChart(RadioSite::Spb, "X - FM_104.0"));
  Settle();
  const std::vector<std::string> wanted = {
      "Zoe Marchetti Cafe Uberall",
      "Glass Otters Otter Song <3",
      "Sonya & the Paper Moons Moon & Back",
      "Sonya & the Paper Moons Fold Me \"Twice\"",
      "Ансамбль \"Деревянный Кит\" Вальс \"Прибой\"",
      "Sonya & the Paper Moons Moon № 5 — “Encore”"};  // the last one the site does not have
  const auto texts = Texts();
  for (const std::string& text : wanted) {
    const auto it = std::find(texts.begin(), texts.end(), text);
    ASSERT_NE(it, texts.end()) << text;
    charts.SetChecked(static_cast<int>(it - texts.begin()), true);
  }
  ASSERT_EQ(charts.HandOver(), 6);
  ASSERT_TRUE(loop.RunUntil(
      [&] {
        queue.Tick();
        for (int i = 0; i < queue.List().Count(); ++i)
          if (const DownloadState s = queue.List().Row(i).State;
              s != DownloadState::Done && s != DownloadState::NotFound)
            return false;
        return loop.RunningWorkers() == 0;
      },
      std::chrono::seconds(30)));
  for (int i = 0; i < queue.List().Count(); ++i) {
    const DownloadRow& row = queue.List().Row(i);
    const bool absent = Cp1251ToUtf8(row.Name) == wanted.back();
    EXPECT_EQ(row.State, absent ? DownloadState::NotFound : DownloadState::Done) << Cp1251ToUtf8(row.Name);
    if (!absent) {
      EXPECT_TRUE(std::filesystem::exists(ToOsPath(row.Path))) << Cp1251ToUtf8(row.Name);
    }
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ChartListNetsim, EveryStationOfBothTablesHasAChart) {
  for (const RadioSite site : {RadioSite::Spb, RadioSite::Msk}) {
    for (const std::string& station : Stations(site)) {
      ASSERT_TRUE(charts.LoadStationChart(site, station));
      Settle();
      EXPECT_FALSE(charts.Entries().empty()) << Cp1251ToUtf8(station);
    }
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ChartListNetsim, OnlyTheNewestLoadFillsTheListAndASupersededFailureIsSilent) {
  charts.LoadSiteChart(RadioSite::Msk);
  std::vector<std::string> msk;
  Settle();
  msk = Texts();

  // Both requests are out before either answer can be heard: the first answer always comes late.
  charts.LoadSiteChart(RadioSite::Spb);
  charts.LoadSiteChart(RadioSite::Msk);
  Settle();
  EXPECT_EQ(Texts(), msk);

  // A station the site does not have fails with 404; superseded, it says nothing.
  ASSERT_TRUE(charts.LoadStationChart(RadioSite::Msk, "Nowhere - FM_1.0"));
  charts.LoadSiteChart(RadioSite::Msk);
  Settle();
  EXPECT_EQ(Texts(), msk);
  EXPECT_TRUE(boxes.shown.empty());

  // A memo copy replaces a load under way just as well.
  charts.LoadSiteChart(RadioSite::Spb);
  charts.CopyMemo("one\r\ntwo\nthree\n");
  Settle();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"one", "two", "three"}));

  // The newest load failing: one box with the worker's text, the list stays cleared.
  ASSERT_TRUE(charts.LoadStationChart(RadioSite::Msk, "Nowhere - FM_1.0"));
  Settle();
  EXPECT_TRUE(charts.Entries().empty());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, texts::kRequestErrorCaption.str());
  EXPECT_EQ(boxes.shown[0].text, texts::kErrBadStatus.str() + "404");
  EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Error);
}

TEST_F(ChartListNetsim, TopTracksCarryTheArtistAsTypedAndTheKey) {
  charts.LoadTopTracks(Utf8ToCp1251("кот-барометр"));
  Settle();
  EXPECT_EQ(LastRequestLine(),
            "GET /2.0/?method=artist.gettoptracks&artist=%EA%EE%F2-%E1%E0%F0%EE%EC%E5%F2%F0"
            "&api_key=3f9c1a7be2d04c58a6e1b7d92c4f0e83 HTTP/1.0");
  EXPECT_EQ(netsim.Requests().back().Header("Host"), netsim.Host("lastfm"));
  const auto texts = Texts();
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[0], "кот-барометр Давление падает");
  EXPECT_EQ(texts[1], "кот-барометр Циклон");
  EXPECT_EQ(texts.back(), "кот-барометр Давление падает (Live in Zurich)");
  EXPECT_TRUE(boxes.shown.empty());

  // An artist the service does not know, and an empty one, answer its error document.
  charts.LoadTopTracks("");
  Settle();
  EXPECT_EQ(LastRequestLine(),
            "GET /2.0/?method=artist.gettoptracks&artist=&api_key=3f9c1a7be2d04c58a6e1b7d92c4f0e83 HTTP/1.0");
  EXPECT_TRUE(charts.Entries().empty());
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{texts::kErrBadStatus.str() + "400"});
}

TEST_F(ChartListNetsim, OkHandsEachCheckedEntryOnceAsARowToLookUp) {
  queue.AddSearch("earlier row");  // the rows' numbers are their own places in the list
  charts.CopyMemo("a - one\nb - two\nc - three");
  charts.SetChecked(0, true);
  charts.SetChecked(2, true);
  EXPECT_EQ(charts.HandOver(), 2);
  ASSERT_EQ(queue.List().Count(), 3);
  for (const int row : {1, 2}) {
    const DownloadRow& added = queue.List().Row(row);
    EXPECT_EQ(added.Number, row);
    EXPECT_EQ(added.State, DownloadState::LookUp);
  }
  EXPECT_EQ(queue.List().Row(1).Name, "a - one");
  EXPECT_EQ(queue.List().Row(2).Name, "c - three");
  EXPECT_EQ(charts.Entries()[0], (ChartEntry{.Text = "a - one", .Checked = false, .Enabled = false}));
  EXPECT_EQ(charts.Entries()[1], (ChartEntry{.Text = "b - two"}));

  // Again: nothing is checked any more, and a handed entry cannot be checked again.
  EXPECT_EQ(charts.HandOver(), 0);
  charts.SetChecked(0, true);
  EXPECT_FALSE(charts.Entries()[0].Checked);
  // A double-click hands over every checked entry, the clicked one too.
  charts.CopyMemo("x\ny\nz");
  charts.SetChecked(0, true);
  EXPECT_EQ(charts.CheckAndHandOver(2), 2);
  EXPECT_EQ(queue.List().Row(3).Name, "x");
  EXPECT_EQ(queue.List().Row(4).Name, "z");
  EXPECT_EQ(charts.CheckAndHandOver(2), 0);
  EXPECT_EQ(queue.List().Count(), 5);
}

}  // namespace
}  // namespace melvoro::test
