// Audio list pages, read with the program's own row pattern, and the links they give.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "core/text/cp1251.h"
#include "core/text/regex.h"
#include "core/text/text_helpers.h"
#include "netsim/catalogue.h"
#include "site_patterns.h"
#include "support/netsim_process.h"
#include "wire_client.h"

namespace melvoro::test {
namespace {

using netsim::AudioList;
using netsim::Catalogue;
using netsim::Song;
using netsim::TheCatalogue;

struct ListRow {
  std::string url, duration, performer, title;
};

struct ListPage {
  int status = 0;
  std::size_t row_divs = 0;
  std::vector<ListRow> rows;
  std::string body;
};

ListPage FetchList(int port, std::string_view target, std::string_view host,
                   std::string_view cookie = kSessionCookie) {
  static const Regex pattern(kListRowPattern);
  ListPage page;
  const WireReply reply = Get(port, target, host, cookie);
  page.status = reply.status;
  page.body = reply.body;
  for (std::size_t at = reply.body.find("<div class=\"audioRow\""); at != std::string::npos;
       at = reply.body.find("<div class=\"audioRow\"", at + 1))
    ++page.row_divs;
  pattern.ForEachMatch(reply.body, [&](const RegexMatch& m) {
    page.rows.push_back(
        {std::string(m.Group(1)), std::string(m.Group(2)), HtmlDecode(m.Group(3)), HtmlDecode(m.Group(4))});
    return true;
  });
  return page;
}

std::string ExpectedUrl(const Song& song, std::string_view storage_domain) {
  char owner[16];
  std::snprintf(owner, sizeof owner, "%05d", song.owner_id);
  return "http://cs" + std::to_string(song.server) + "." + std::string(storage_domain) + "/u" + owner +
         "/audio/" + song.hash + ".mp3";
}

void ExpectListRows(const ListPage& page, const AudioList& list, std::string_view storage_domain) {
  SCOPED_TRACE(Cp1251ToUtf8(list.name));
  ASSERT_EQ(page.status, 200);
  EXPECT_EQ(page.rows.size(), page.row_divs);
  ASSERT_EQ(page.rows.size(), list.audio_ids.size());
  for (std::size_t i = 0; i < page.rows.size(); ++i) {
    const Song* song = TheCatalogue().FindSong(list.audio_ids[i]);
    ASSERT_NE(song, nullptr);
    EXPECT_EQ(page.rows[i].url, ExpectedUrl(*song, storage_domain));
    EXPECT_EQ(page.rows[i].duration, std::to_string(song->duration));
    EXPECT_EQ(page.rows[i].performer, song->artist);
    EXPECT_EQ(page.rows[i].title, song->title);
  }
}

// "http://host/path" -> {host, path}
std::pair<std::string, std::string> SplitUrl(const std::string& url) {
  const std::size_t slash = url.find('/', 7);
  return {url.substr(7, slash - 7), url.substr(slash)};
}

TEST(NetsimAudioList, OwnFriendsAndGroupsListsParseIntoTheirSongs) {
  NetsimProcess netsim;
  const Catalogue& catalogue = TheCatalogue();
  const std::string storage = netsim.Host("storage");
  const std::string network = netsim.Host("network");

  const AudioList* own = catalogue.FindUser(catalogue.demo_user_id);
  ASSERT_NE(own, nullptr);
  ExpectListRows(FetchList(netsim.port(), "/audio.php", network), *own, storage);
  for (const AudioList& user : catalogue.users)
    ExpectListRows(FetchList(netsim.port(), "/audio.php?id=" + std::to_string(user.id), network), user,
                   storage);
  for (const AudioList& group : catalogue.groups)
    ExpectListRows(FetchList(netsim.port(), "/audio.php?gid=" + std::to_string(group.id), network), group,
                   storage);

  // Songs only lists hold, besides ones the search finds too.
  std::set<bool> searchable;
  for (const int id : own->audio_ids) searchable.insert(catalogue.FindSong(id)->searchable);
  EXPECT_EQ(searchable.size(), 2u);
}

TEST(NetsimAudioList, LinksLeadToTheMp3Files) {
  NetsimProcess netsim;
  std::set<std::string> urls;
  for (const std::string target : {"/audio.php", "/audio.php?gid=500500"})
    for (const ListRow& row : FetchList(netsim.port(), target, netsim.Host("network")).rows)
      urls.insert(row.url);
  ASSERT_GT(urls.size(), 15u);
  for (const std::string& url : urls) {
    const auto [host, path] = SplitUrl(url);
    const WireReply reply = Get(netsim.port(), path, host);
    EXPECT_EQ(reply.status, 200) << url;
    EXPECT_EQ(reply.Header("Content-Type"), "audio/mpeg");
    EXPECT_EQ(reply.Header("Content-Length"), std::to_string(reply.body.size()));
  }
}

TEST(NetsimAudioList, ThroughTheProxyLinksUseTheDefaultStorageDomain) {
  NetsimProcess netsim;
  const AudioList* group = TheCatalogue().FindGroup(15);
  ASSERT_NE(group, nullptr);
  const std::string request =
      "GET http://vkontakte.ru/audio.php?gid=15 HTTP/1.0\r\n" + std::string(kSessionCookie) + "\r\n";
  static const Regex pattern(kListRowPattern);
  const WireReply reply = Exchange(netsim.port(), request);
  std::vector<std::string> urls;
  pattern.ForEachMatch(reply.body, [&](const RegexMatch& m) {
    urls.emplace_back(m.Group(1));
    return true;
  });
  ASSERT_EQ(urls.size(), group->audio_ids.size());
  EXPECT_EQ(urls[0], ExpectedUrl(*TheCatalogue().FindSong(group->audio_ids[0]), "vkontakte.ru"));

  const WireReply mp3 = Exchange(netsim.port(), "GET " + urls[0] + " HTTP/1.0\r\n\r\n");
  EXPECT_EQ(mp3.status, 200);
  EXPECT_EQ(mp3.Header("Content-Type"), "audio/mpeg");
}

TEST(NetsimAudioList, UnknownListsHaveNoRowsAndASessionIsNeeded) {
  NetsimProcess netsim;
  const std::string network = netsim.Host("network");
  for (const std::string target : {"/audio.php?id=424242", "/audio.php?gid=7", "/audio.php?id=abc"}) {
    const ListPage page = FetchList(netsim.port(), target, network);
    EXPECT_EQ(page.status, 200) << target;
    EXPECT_EQ(page.row_divs, 0u) << target;
  }
  const ListPage without = FetchList(netsim.port(), "/audio.php?id=7", network, {});
  EXPECT_EQ(without.status, 200);
  EXPECT_EQ(without.row_divs, 0u);
  EXPECT_NE(without.body.find("name=\"pass\""), std::string::npos);
}

}  // namespace
}  // namespace melvoro::test
