// The friends page's engine against netsim: loading, order, the choice, pictures, the lists
// "Продолжить" opens, and failures.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/config/settings_table.h"
#include "core/log/activity_indicator.h"
#include "core/log/program_log.h"
#include "core/os/event_loop.h"
#include "core/text/cp1251.h"
#include "friends/friends_list.h"
#include "friends/name_order.h"
#include "support/netsim_process.h"
#include "support/recording_boxes.h"

namespace melvoro::test {
namespace {

class Friends : public ::testing::Test {
 protected:
  Friends() {
    settings.Set("cookie", "remixsid=0123");
    list.OnPicture.Add([this](const std::optional<Picture>& p) { pictures.push_back(p); });
  }
  ~Friends() override { loop.Shutdown(); }
  void WaitList() {
    ASSERT_TRUE(loop.RunUntil([&] { return list.SourceButtonsEnabled(); }, std::chrono::seconds(10)));
  }
  void WaitQuiet() {
    ASSERT_TRUE(loop.RunUntil([&] { return loop.RunningWorkers() == 0; }, std::chrono::seconds(10)));
  }
  std::size_t IndexOf(const char* utf8_name) const {
    const auto& e = list.Entries();
    const auto it = std::find_if(e.begin(), e.end(),
                                 [&](const FriendEntry& f) { return f.Name == Utf8ToCp1251(utf8_name); });
    EXPECT_NE(it, e.end()) << utf8_name;
    return static_cast<std::size_t>(it - e.begin());
  }
  // The last audio list asked for: a selection's picture request may be logged after it.
  std::string LastRequestLine() const {
    const auto requests = netsim.Requests();
    for (auto it = requests.rbegin(); it != requests.rend(); ++it)
      if (it->request_line.find("/audio.php") != std::string::npos) return it->request_line;
    return {};
  }

  NetsimProcess netsim;
  EventLoop loop;
  ActivityIndicator activity;
  RecordingBoxes boxes;
  SettingsTable settings;
  Hosts hosts = netsim.HostsTable();
  ProgramLog log;
  SearchController controller{RequestContext{loop, activity, boxes}, settings, hosts, log};
  FriendsList list{RequestContext{loop, activity, boxes}, settings, hosts, log, controller};
  std::vector<std::optional<Picture>> pictures;
};

bool SortedByName(const std::vector<FriendEntry>& e) {
  return std::is_sorted(e.begin(), e.end(),
                        [](const auto& a, const auto& b) { return NameBefore(a.Name, b.Name); });
}

TEST_F(Friends, GroupsKeepPageOrderUntilFriendsWereListedThenNameOrderForTheRun) {
  list.LoadGroups();
  EXPECT_FALSE(list.SourceButtonsEnabled());
  WaitList();
  EXPECT_FALSE(list.ListIsFriends());
  ASSERT_EQ(list.Entries().size(), 4u);
  EXPECT_EQ(list.Entries()[0].Id, "15");
  EXPECT_EQ(list.Entries()[3].Name, "Rock & Roll");
  EXPECT_EQ(list.Entries()[0].Picture, "http://" + netsim.Host("network") + "/pictures/g15.jpg");
  EXPECT_EQ(netsim.Requests().back().Header("Cookie"), "remixsid=0123");

  list.LoadFriends();
  WaitList();
  EXPECT_TRUE(list.ListIsFriends());
  EXPECT_EQ(list.Entries().size(), 11u);
  EXPECT_TRUE(SortedByName(list.Entries()));
  EXPECT_EQ(list.PageEntries().front().Id, "7");  // the page's order stays available

  list.LoadGroups();
  WaitList();
  EXPECT_TRUE(SortedByName(list.Entries()));
  EXPECT_EQ(list.Entries().size(), 4u);
  EXPECT_EQ(log.Count(), 0u);
}

TEST_F(Friends, SelectionShowsThePlaceholderThenOnlyAWholeJpeg) {
  list.LoadFriends();
  WaitList();
  list.Select(IndexOf("Аня Ветрова"));
  WaitQuiet();
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_FALSE(pictures[0]);
  ASSERT_TRUE(pictures[1]);
  EXPECT_EQ(pictures[1]->Width, 100);
  EXPECT_EQ(list.ChoiceTag(), 7);
  EXPECT_TRUE(list.ContinueEnabled());

  // Cut, not a JPEG, a forged size, a PNG, https, an upper-case JPG: the placeholder alone.
  for (const char* name : {"Номер <за> пределом", "Д'Артаньян", "Борис Огромный", "Lena Fox & Co",
                           "Https Person", "Upper Case"}) {
    pictures.clear();
    list.Select(IndexOf(name));
    WaitQuiet();
    EXPECT_EQ(pictures.size(), 1u) << name;
  }
  const std::size_t requests = netsim.Requests().size();
  list.Select(IndexOf("Коротыш"));
  WaitQuiet();
  EXPECT_EQ(netsim.Requests().size(), requests);  // x.jp: nothing asked for
}

// Each answer may come after the next selection's: only the current one's picture shows.
TEST_F(Friends, APictureSupersededByAnotherSelectionOrListIsDropped) {
  list.LoadFriends();
  WaitList();
  list.Select(IndexOf("Аня Ветрова"));
  list.Select(IndexOf("Михаил Тучкин"));
  WaitQuiet();
  ASSERT_EQ(pictures.size(), 3u);
  ASSERT_TRUE(pictures[2]);
  EXPECT_EQ(pictures[2]->Width, 122);

  pictures.clear();
  list.Select(IndexOf("Аня Ветрова"));
  list.LoadGroups();
  WaitList();
  WaitQuiet();
  EXPECT_EQ(pictures.size(), 1u);

  pictures.clear();
  const auto& groups = list.Entries();
  const auto g15 =
      std::find_if(groups.begin(), groups.end(), [](const FriendEntry& e) { return e.Id == "15"; });
  ASSERT_NE(g15, groups.end());
  list.Select(static_cast<std::size_t>(g15 - groups.begin()));
  list.Select(IndexOf("Indie Lounge"));  // a GIF: nothing is fetched for it
  WaitQuiet();
  EXPECT_EQ(pictures.size(), 2u);
}

TEST_F(Friends, AnIdThatIsNotA32BitNumberClearsTheChoiceAndOpensNothing) {
  EXPECT_FALSE(list.OpenChosen([](std::vector<Song>) {}));  // nothing chosen at start
  list.LoadFriends();
  WaitList();
  list.Select(IndexOf("Аня Ветрова"));
  for (const char* name : {"Номер <за> пределом", "Без номера"}) {
    list.Select(IndexOf(name));
    EXPECT_EQ(list.ChoiceName(), Utf8ToCp1251(name));
    EXPECT_EQ(list.ChoiceTag(), 0);
    EXPECT_FALSE(list.OpenChosen([](std::vector<Song>) {}));
  }
  WaitQuiet();
  for (const auto& r : netsim.Requests()) EXPECT_EQ(r.request_line.find("/audio.php"), std::string::npos);
}

TEST_F(Friends, ContinueOpensTheListOfEachKindUnderItsTitle) {
  const std::string app = " (Melvoro в. " MELVORO_VERSION ")";
  std::vector<Song> got;
  const auto keep = [&](std::vector<Song> s) { got = std::move(s); };
  const auto wait = [&] {
    return loop.RunUntil([&] { return !controller.Busy(); }, std::chrono::seconds(10));
  };

  // The own page before any list.
  list.ChooseOwnPage();
  ASSERT_TRUE(list.OpenChosen(keep));
  EXPECT_EQ(controller.ListTitle, Utf8ToCp1251("Аудио с моей страницы" + app));
  ASSERT_TRUE(wait());
  EXPECT_EQ(LastRequestLine(), "GET /audio.php HTTP/1.0");
  EXPECT_EQ(got.size(), 15u);

  list.LoadFriends();
  WaitList();
  list.Select(IndexOf("Пётр \"Гром\" Громов"));
  ASSERT_TRUE(list.OpenChosen(keep));
  EXPECT_EQ(controller.ListTitle, Utf8ToCp1251("Пётр \"Гром\" Громов: аудиозаписи" + app));
  ASSERT_TRUE(wait());
  EXPECT_EQ(LastRequestLine(), "GET /audio.php?id=1234 HTTP/1.0");
  EXPECT_EQ(got.size(), 10u);

  // Switching to groups drops the friend: its id must not be opened as a group's.
  list.LoadGroups();
  WaitList();
  EXPECT_TRUE(list.ChoiceName().empty());
  EXPECT_FALSE(list.ContinueEnabled());
  EXPECT_FALSE(list.OpenChosen(keep));

  list.Select(IndexOf("Indie Lounge"));
  ASSERT_TRUE(list.OpenChosen(keep));
  ASSERT_TRUE(wait());
  EXPECT_EQ(LastRequestLine(), "GET /audio.php?gid=2048 HTTP/1.0");
  EXPECT_EQ(got.size(), 9u);
}

TEST_F(Friends, AFailedRequestShowsItsBoxAndAPageWithoutEntriesIsLogged) {
  settings.Set("cookie", "");  // the site answers with its log-in page
  list.LoadFriends();
  WaitList();
  EXPECT_TRUE(list.Entries().empty());
  ASSERT_EQ(log.Count(), 1u);
  EXPECT_EQ(log.At(0).Description, Utf8ToCp1251("Ошибка парсинга друзей!"));
  EXPECT_EQ(log.At(0).Icon, 5);
  list.LoadGroups();
  WaitList();
  EXPECT_EQ(log.At(0).Description, Utf8ToCp1251("Ошибка парсинга групп!"));
  EXPECT_TRUE(boxes.shown.empty());

  hosts.Network = "127.0.0.1:1";  // nothing listens
  list.LoadFriends();
  WaitList();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, Utf8ToCp1251("Произошла ошибка"));
  EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Error);
  EXPECT_FALSE(boxes.shown[0].text.empty());
  EXPECT_TRUE(list.LastLoadFailed());
}

}  // namespace
}  // namespace melvoro::test
