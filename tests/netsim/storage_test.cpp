// The storage hosts' mp3 files and the benchmark blob: silent MPEG frames of the right length.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "netsim/catalogue.h"
#include "support/netsim_process.h"
#include "wire_client.h"

namespace melvoro::test {
namespace {

using netsim::Song;
using netsim::TheCatalogue;

constexpr std::size_t kFrame = 576;  // 128 kbit/s at 32 kHz: 144 * 128000 / 32000

// The first place where bytes stop being silent 128 kbit/s, 32 kHz mono MPEG-1 Layer III
// frames one after another (the last frame may be cut short); npos when there is none.
std::size_t FirstBadByte(const std::string& bytes) {
  static const unsigned char kHeader[4] = {0xFF, 0xFB, 0x98, 0xC4};
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::size_t in_frame = i % kFrame;
    const unsigned char expected = in_frame < 4 ? kHeader[in_frame] : 0;
    if (static_cast<unsigned char>(bytes[i]) != expected) return i;
  }
  return std::string::npos;
}

std::size_t Mp3Size(int seconds) {
  return (static_cast<std::size_t>(seconds) * 32000 + 1151) / 1152 * kFrame;
}

const Song& SongTitled(std::string_view title) {
  for (const Song& song : TheCatalogue().songs)
    if (song.title == title) return song;
  throw std::runtime_error("no such song");
}

std::string StorageHost(const NetsimProcess& netsim, int server) {
  return netsim.Host("cs" + std::to_string(server) + ".storage");
}

TEST(NetsimStorage, Mp3IsWholeSilentFramesCoveringTheDuration) {
  NetsimProcess netsim;
  for (const std::string_view title : {"Intro", "Blot", "Radiator Blues (live)"}) {
    const Song& song = SongTitled(title);
    const WireReply reply = Get(netsim.port(), netsim::Mp3Path(song), StorageHost(netsim, song.server));
    ASSERT_EQ(reply.status, 200) << title;
    EXPECT_EQ(reply.Header("Content-Type"), "audio/mpeg");
    EXPECT_EQ(reply.Header("Content-Length"), std::to_string(Mp3Size(song.duration)));
    EXPECT_EQ(reply.body.size(), Mp3Size(song.duration)) << title;
    EXPECT_EQ(reply.body.size() % kFrame, 0u);
    EXPECT_EQ(FirstBadByte(reply.body), std::string::npos) << title;
  }
  // The 20-minute song, headers only.
  const Song& longest = SongTitled("Long Drive Home (Extended)");
  const WireReply head = Exchange(netsim.port(), "HEAD " + netsim::Mp3Path(longest) + " HTTP/1.0\r\nHost: " +
                                                     StorageHost(netsim, longest.server) + "\r\n\r\n");
  EXPECT_EQ(head.status, 200);
  EXPECT_EQ(head.Header("Content-Length"), std::to_string(Mp3Size(1207)));
  EXPECT_TRUE(head.body.empty());
}

TEST(NetsimStorage, OnlyTheExactPathOnTheSongsServerServesIt) {
  NetsimProcess netsim;
  const Song& song = SongTitled("Intro");   // owner 1000001: seven digits, no padding
  const Song& padded = SongTitled("Blot");  // owner 64 -> "u00064"
  ASSERT_EQ(netsim::Mp3Path(padded).substr(0, 7), "/u00064");
  EXPECT_EQ(Get(netsim.port(), netsim::Mp3Path(song), StorageHost(netsim, song.server)).status, 200);
  EXPECT_EQ(Get(netsim.port(), netsim::Mp3Path(padded), "cs9.vkontakte.ru").status, 200);

  EXPECT_EQ(Get(netsim.port(), netsim::Mp3Path(song), StorageHost(netsim, song.server + 1)).status, 404);
  EXPECT_EQ(Get(netsim.port(), "/u64/audio/" + padded.hash + ".mp3", "cs9.vkontakte.ru").status, 404);
  EXPECT_EQ(Get(netsim.port(), "/u00064/audio/000000000000.mp3", "cs9.vkontakte.ru").status, 404);
  EXPECT_EQ(Get(netsim.port(), "/u00065/audio/" + padded.hash + ".mp3", "cs9.vkontakte.ru").status, 404);
  // The bare domain is the network's, which has no files.
  EXPECT_EQ(Get(netsim.port(), netsim::Mp3Path(padded), "vkontakte.ru").status, 404);
}

TEST(NetsimStorage, BlobIsExactlyTheBytesAskedForOnAnyHost) {
  NetsimProcess netsim;
  for (const std::size_t bytes :
       {std::size_t{0}, std::size_t{1}, std::size_t{1000}, std::size_t{3 * 1024 * 1024 + 7}}) {
    const WireReply reply =
        Get(netsim.port(), "/_netsim/blob?bytes=" + std::to_string(bytes), netsim.Host("support"));
    ASSERT_EQ(reply.status, 200);
    EXPECT_EQ(reply.Header("Content-Length"), std::to_string(bytes));
    EXPECT_EQ(reply.body.size(), bytes);
    EXPECT_EQ(FirstBadByte(reply.body), std::string::npos);
  }
  EXPECT_EQ(Get(netsim.port(), "/_netsim/blob?bytes=lots").status, 400);
}

TEST(NetsimStorage, ConcurrentDownloadsEachGetTheirWholeFile) {
  NetsimProcess netsim;
  std::vector<WireReply> replies(8);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < replies.size(); ++i) {
    threads.emplace_back([&, i] {
      const std::size_t bytes = (4 + i) * 1024 * 1024 + i * 1001;
      // Half of them slowed down, so that the transfers overlap for certain.
      const std::string rate = i % 2 ? "&netsim_rate=40000000" : "";
      replies[i] = Get(netsim.port(), "/_netsim/blob?bytes=" + std::to_string(bytes) + rate);
    });
  }
  for (auto& t : threads) t.join();
  for (std::size_t i = 0; i < replies.size(); ++i) {
    EXPECT_EQ(replies[i].status, 200);
    EXPECT_EQ(replies[i].body.size(), (4 + i) * 1024 * 1024 + i * 1001);
    EXPECT_EQ(FirstBadByte(replies[i].body), std::string::npos);
  }
}

}  // namespace
}  // namespace melvoro::test
