// The audio search page, read with the program's own row pattern.
#include <gtest/gtest.h>

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

using netsim::Song;
using netsim::TheCatalogue;

struct SearchRow {
  std::string row_id, audio_id, server, owner, hash, duration, performer, title;
  bool lyrics_link = false;
  std::string lyrics_audio_id, lyrics_id;
};

struct SearchPage {
  int status = 0;
  bool has_marker = false;
  std::size_t row_divs = 0;  // rows as the markup has them, matched or not
  std::vector<SearchRow> rows;
};

std::size_t Count(const std::string& text, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

SearchPage Search(const NetsimProcess& netsim, std::string_view query_w1251, std::size_t offset = 0,
                  std::string_view cookie = kSessionCookie) {
  const std::string target =
      "/gsearch.php?q=" + UrlEncode(query_w1251) + "&section=audio&offset=" + std::to_string(offset);
  const WireReply reply = Get(netsim.port(), target, netsim.Host("network"), cookie);
  static const Regex pattern(kSearchRowPattern);
  SearchPage page;
  page.status = reply.status;
  page.has_marker = reply.body.find(kSearchMarker) != std::string::npos;
  page.row_divs = Count(reply.body, "<div class=\"audioRow\"");
  pattern.ForEachMatch(reply.body, [&](const RegexMatch& m) {
    SearchRow row{std::string(m.Group(1)), std::string(m.Group(2)),  std::string(m.Group(3)),
                  std::string(m.Group(4)), std::string(m.Group(5)),  std::string(m.Group(6)),
                  std::string(m.Group(7)), std::string(m.Group(11)), m.Matched(8),
                  std::string(m.Group(9)), std::string(m.Group(10))};
    page.rows.push_back(row);
    return true;
  });
  return page;
}

std::vector<std::string> Titles(const SearchPage& page) {
  std::vector<std::string> titles;
  for (const auto& row : page.rows) titles.push_back(HtmlDecode(row.title));
  return titles;
}

void ExpectRowIsSong(const SearchRow& row, const Song& song) {
  SCOPED_TRACE(Cp1251ToUtf8(song.artist + " - " + song.title));
  EXPECT_EQ(row.row_id, std::to_string(song.owner_id) + "_" + std::to_string(song.audio_id));
  EXPECT_EQ(row.server, std::to_string(song.server));
  EXPECT_EQ(row.owner, std::to_string(song.owner_id));  // never padded here
  EXPECT_EQ(row.hash, song.hash);
  EXPECT_EQ(row.duration, std::to_string(song.duration));
  EXPECT_EQ(HtmlDecode(row.performer), song.artist);
  EXPECT_EQ(HtmlDecode(row.title), song.title);
  EXPECT_EQ(row.lyrics_link, song.lyrics_id != 0);
  if (song.lyrics_id != 0) {
    EXPECT_EQ(row.lyrics_audio_id, row.audio_id);
    EXPECT_EQ(row.lyrics_id, std::to_string(song.lyrics_id));
  }
}

TEST(NetsimSearchPage, EverySearchableSongParsesIntoItsCatalogueFields) {
  NetsimProcess netsim;
  std::set<std::string> artists;
  std::set<int> searchable;
  for (const Song& song : TheCatalogue().songs) {
    if (!song.searchable) continue;
    artists.insert(song.artist);
    searchable.insert(song.audio_id);
  }
  std::set<int> seen;
  for (const std::string& artist : artists) {
    SCOPED_TRACE(Cp1251ToUtf8(artist));
    const SearchPage page = Search(netsim, artist);
    ASSERT_EQ(page.status, 200);
    EXPECT_TRUE(page.has_marker);
    // One match per row: no row may swallow its neighbour.
    EXPECT_EQ(page.rows.size(), page.row_divs);
    EXPECT_FALSE(page.rows.empty());
    for (const SearchRow& row : page.rows) {
      const Song* song = TheCatalogue().FindSong(std::stoi(row.audio_id));
      ASSERT_NE(song, nullptr) << row.audio_id;
      EXPECT_TRUE(song->searchable);
      ExpectRowIsSong(row, *song);
      seen.insert(song->audio_id);
    }
  }
  EXPECT_EQ(seen, searchable);
}

TEST(NetsimSearchPage, NamesAreEscapedAsTheSiteDidAndKeepTheirLineBreaks) {
  NetsimProcess netsim;
  const auto raw_performer = [&](std::string_view query) {
    const SearchPage page = Search(netsim, query);
    return page.rows.empty() ? std::string() : page.rows.front().performer;
  };
  EXPECT_EQ(raw_performer("Sonya Moons"), "Sonya &amp; the Paper Moons");
  EXPECT_EQ(raw_performer("Flannagan"), "Mister O&#39;Flannagan");
  EXPECT_EQ(raw_performer(W1251(u8"Деревянный Кит")), W1251(u8"Ансамбль &quot;Деревянный Кит&quot;").str());
  EXPECT_EQ(raw_performer(W1251(u8"Полуночников")), W1251(u8"Оркестр Тишины\nи Хор Полуночников").str());

  const SearchPage otter = Search(netsim, "otter song");
  ASSERT_EQ(otter.rows.size(), 1u);
  EXPECT_EQ(otter.rows[0].title, "Otter Song &lt;3");
  const SearchPage platform = Search(netsim, W1251(u8"перрон"));
  ASSERT_EQ(platform.rows.size(), 1u);
  EXPECT_EQ(platform.rows[0].title, W1251(u8"Перрон\nв тумане").str());
  EXPECT_TRUE(platform.rows[0].lyrics_link);
}

TEST(NetsimSearchPage, EveryWordMustOccurInArtistAndTitleInAnyOrderAndCase) {
  NetsimProcess netsim;
  EXPECT_EQ(Titles(Search(netsim, W1251(u8"ТРАМВАЙ ветер"))),
            std::vector<std::string>{W1251(u8"Полночный трамвай").str()});
  // Parts of words count, and punctuation is no part of the match key.
  EXPECT_EQ(Titles(Search(netsim, "o'flann reel")), std::vector<std::string>{"O'Flannagan's Reel"});
  EXPECT_TRUE(Search(netsim, W1251(u8"ветер кит")).rows.empty());

  // "+" stands for a space as well as "%20".
  const std::string target = "/gsearch.php?q=" + UrlEncode(W1251(u8"трамвай")) + "+" +
                             UrlEncode(W1251(u8"ветер")) + "&section=audio";
  const WireReply plus = Get(netsim.port(), target, netsim.Host("network"), kSessionCookie);
  EXPECT_NE(plus.body.find(W1251(u8"Полночный трамвай")), std::string::npos);

  for (const std::string_view query : {"", "   ", "& - !"}) {
    const SearchPage page = Search(netsim, query);
    EXPECT_TRUE(page.has_marker) << query;
    EXPECT_EQ(page.row_divs, 0u) << query;
  }
}

TEST(NetsimSearchPage, LongResultsComeFromTheOffsetOn) {
  NetsimProcess netsim;
  const SearchPage all = Search(netsim, W1251(u8"Сто Песен"));
  ASSERT_EQ(all.rows.size(), 150u);
  for (std::size_t i = 0; i < all.rows.size(); ++i)
    EXPECT_EQ(HtmlDecode(all.rows[i].title), W1251(u8"Песня ").str() + std::to_string(i + 1));

  const SearchPage tail = Search(netsim, W1251(u8"Сто Песен"), 140);
  ASSERT_EQ(tail.rows.size(), 10u);
  EXPECT_EQ(HtmlDecode(tail.rows[0].title), W1251(u8"Песня 141").str());
  EXPECT_TRUE(Search(netsim, W1251(u8"Сто Песен"), 150).rows.empty());
}

TEST(NetsimSearchPage, WithoutASessionCookieTheSiteShowsItsLoginPage) {
  NetsimProcess netsim;
  for (const std::string_view cookie : {std::string_view(), std::string_view("Cookie: remixsid=\r\n"),
                                        std::string_view("Cookie: xremixsid=1\r\n")}) {
    const SearchPage page = Search(netsim, "otter", 0, cookie);
    EXPECT_EQ(page.status, 200);
    EXPECT_FALSE(page.has_marker) << cookie;
    EXPECT_EQ(page.row_divs, 0u);
  }
  const SearchPage among_others = Search(netsim, "otter", 0, "Cookie: lang=0; remixsid=abc; path=x\r\n");
  EXPECT_TRUE(among_others.has_marker);
  EXPECT_EQ(among_others.rows.size(), 4u);
}

}  // namespace
}  // namespace melvoro::test
