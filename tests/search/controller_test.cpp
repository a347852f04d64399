// The controller against netsim: what a search sends, one request at a time, look-ups.
#include <gtest/gtest.h>

#include "core/config/settings_table.h"
#include "core/log/activity_indicator.h"
#include "core/log/program_log.h"
#include "core/os/event_loop.h"
#include "core/os/message_box.h"
#include "core/text/cp1251.h"
#include "search/search_controller.h"
#include "support/netsim_process.h"
#include "support/recording_boxes.h"

namespace melvoro::test {
namespace {

class Rows final : public LookupRows {
 public:
  std::string LookupName(int index) const override { return names.at(static_cast<std::size_t>(index)); }
  void LookupFound(int index, const std::string& link) override { found = {index, link}; }
  void LookupNotFound(int index) override { not_found = index; }
  void LookupFailed(int index, const std::string& message) override { failed = {index, message}; }

  std::vector<std::string> names;
  std::pair<int, std::string> found{-1, ""}, failed{-1, ""};
  int not_found = -1;
};

class Controller : public ::testing::Test {
 protected:
  Controller() {
    settings.Set("cookie", "remixsid=0123");
    controller.SetLookupRows(&rows);
  }
  ~Controller() override { loop.Shutdown(); }
  bool Wait() {
    return loop.RunUntil([&] { return !controller.Busy(); }, std::chrono::seconds(10));
  }

  NetsimProcess netsim;
  EventLoop loop;
  ActivityIndicator activity;
  RecordingBoxes boxes;
  SettingsTable settings;
  Hosts hosts = netsim.HostsTable();
  ProgramLog log;
  Rows rows;
  SearchController controller{RequestContext{loop, activity, boxes}, settings, hosts, log};
};

TEST_F(Controller, ASearchSendsTheQueryInWindows1251WithTheCookieAndRefusesASecond) {
  std::vector<Song> got;
  const std::string query = Utf8ToCp1251("Би-2 Полковнику");
  ASSERT_TRUE(controller.Search(query, [&](std::vector<Song> s) { got = std::move(s); }));
  EXPECT_EQ(controller.ListTitle,
            query.substr(0, 0) + Utf8ToCp1251("Поиск Би-2 Полковнику (Melvoro в. " MELVORO_VERSION ")"));

  // Busy: no request, no change, not even of the title.
  EXPECT_FALSE(controller.Search("other", [&](std::vector<Song>) { ADD_FAILURE(); }));
  EXPECT_FALSE(controller.LoadPage(netsim.Url("/audio.php"), [&](std::vector<Song>) { ADD_FAILURE(); }));
  EXPECT_FALSE(controller.FindForItem("x", 3));
  EXPECT_EQ(controller.QueueIndex(), 0);
  EXPECT_EQ(Cp1251ToUtf8(controller.ListTitle), "Поиск Би-2 Полковнику (Melvoro в. " MELVORO_VERSION ")");
  ASSERT_TRUE(Wait());

  const auto requests = netsim.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].request_line,
            "GET /gsearch.php?q=%C1%E8-2%20%CF%EE%EB%EA%EE%E2%ED%E8%EA%F3&section=audio&offset=0 HTTP/1.0");
  EXPECT_EQ(requests[0].Header("Cookie"), "remixsid=0123");
  EXPECT_TRUE(got.empty());
  EXPECT_EQ(log.Count(), 1u);  // a page with the marker and no row
}

TEST_F(Controller, AnAudioListPageKeepsTheTitleAndAFailureShowsTheMessage) {
  controller.ListTitle = "mine";
  std::vector<Song> got;
  ASSERT_TRUE(
      controller.LoadPage("http://" + hosts.Network + "/audio.php", [&](std::vector<Song> s) { got = s; }));
  ASSERT_TRUE(Wait());
  EXPECT_FALSE(got.empty());
  EXPECT_EQ(controller.ListTitle, "mine");
  EXPECT_EQ(got[0].Link.rfind("http://cs", 0), 0u) << got[0].Link;

  got.clear();
  ASSERT_TRUE(controller.LoadPage("http://" + hosts.Network + "/audio.php?netsim_fault=500",
                                  [&](std::vector<Song> s) { got = s; }));
  ASSERT_TRUE(Wait());
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(Cp1251ToUtf8(boxes.Texts()[0]), "Неверный ответ сервера - 500");
}

TEST_F(Controller, ALookUpTakesTheFirstSongWhoseNameMatchesLooselyOrNone) {
  rows.names = {"", Utf8ToCp1251("северный ВЕТЕР -- Снег над Невой"), "Nobody - Nothing"};
  ASSERT_TRUE(controller.FindForItem(rows.names[1], 1));
  EXPECT_EQ(controller.QueueIndex(), 1);
  ASSERT_TRUE(Wait());
  EXPECT_EQ(rows.found.first, 1);
  EXPECT_NE(rows.found.second.find(".mp3"), std::string::npos);

  ASSERT_TRUE(controller.FindForItem(rows.names[2], 2));
  ASSERT_TRUE(Wait());
  EXPECT_EQ(rows.not_found, 2);

  hosts.Network = "127.0.0.1:1";
  ASSERT_TRUE(controller.FindForItem(rows.names[2], 2));
  ASSERT_TRUE(Wait());
  EXPECT_EQ(rows.failed.first, 2);
  EXPECT_TRUE(boxes.Texts().empty());  // the rows decide what the user sees
}

}  // namespace
}  // namespace melvoro::test
