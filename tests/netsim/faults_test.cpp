// Faults on request: by query parameter, or armed for a path; the rate limit and the pace.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "core/text/cp1251.h"
#include "support/netsim_process.h"
#include "wire_client.h"

namespace melvoro::test {
namespace {

using std::chrono::milliseconds;

class NetsimFaults : public ::testing::Test {
 protected:
  WireReply Fetch(std::string_view target, milliseconds timeout = milliseconds(10000)) {
    const std::string request = "GET " + std::string(target) +
                                " HTTP/1.0\r\nHost: " + netsim_.Host("network") + "\r\n" +
                                std::string(kSessionCookie) + "\r\n";
    return Exchange(netsim_.port(), request, timeout);
  }

  NetsimProcess netsim_;
};

constexpr std::string_view kSearch = "/gsearch.php?q=otter&section=audio";
constexpr std::string_view kBlob = "/_netsim/blob?bytes=100000";

TEST_F(NetsimFaults, StatusFaultsReplaceTheAnswer) {
  EXPECT_EQ(Fetch(std::string(kSearch) + "&netsim_fault=404").status, 404);
  EXPECT_EQ(Fetch(std::string(kSearch) + "&netsim_fault=500").status, 500);
  // The only parameter, and the route still found without it.
  EXPECT_EQ(Fetch("/isword.txt?netsim_fault=500").status, 500);
  EXPECT_EQ(Fetch("/isword.txt?netsim_fault=nonsense").status, 400);
}

TEST_F(NetsimFaults, LengthFaultsKeepOrDropTheBody) {
  const WireReply normal = Fetch(kSearch);
  ASSERT_EQ(normal.status, 200);

  const WireReply no_length = Fetch(std::string(kSearch) + "&netsim_fault=nolength");
  EXPECT_EQ(no_length.status, 200);
  EXPECT_FALSE(no_length.Has("Content-Length"));
  EXPECT_EQ(no_length.body, normal.body);
  EXPECT_TRUE(no_length.closed);

  const WireReply zero = Fetch(std::string(kSearch) + "&netsim_fault=zerolength");
  EXPECT_EQ(zero.status, 200);
  EXPECT_EQ(zero.Header("Content-Length"), "0");
  EXPECT_TRUE(zero.body.empty());
}

TEST_F(NetsimFaults, CutSendsHalfTheDeclaredBodyAndCloses) {
  const WireReply page = Fetch(std::string(kSearch) + "&netsim_fault=cut");
  const std::size_t full = std::stoul(page.Header("Content-Length"));
  EXPECT_EQ(page.body, Fetch(kSearch).body.substr(0, full / 2));
  EXPECT_TRUE(page.closed);

  const WireReply mp3 = Fetch(std::string(kBlob) + "&netsim_fault=cut");
  EXPECT_EQ(mp3.Header("Content-Length"), "100000");
  EXPECT_EQ(mp3.body.size(), 50000u);
  EXPECT_TRUE(mp3.closed);
}

TEST_F(NetsimFaults, StallSendsHalfTheBodyThenHoldsTheConnection) {
  const WireReply reply = Fetch(std::string(kBlob) + "&netsim_fault=stall", milliseconds(1000));
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(reply.Header("Content-Length"), "100000");
  EXPECT_EQ(reply.body.size(), 50000u);
  EXPECT_FALSE(reply.closed);
}

TEST_F(NetsimFaults, RedirectPointsAtTheSameAddressWithoutTheFault) {
  const WireReply reply =
      Fetch("/gsearch.php?q=otter&netsim_fault=redirect&section=audio&netsim_rate=900000");
  ASSERT_EQ(reply.status, 302);
  const std::string location = reply.Header("Location");
  const std::string expected_start = "http://" + netsim_.Host("network");
  EXPECT_EQ(location, expected_start + "/gsearch.php?q=otter&section=audio&netsim_rate=900000");
  const WireReply followed = Fetch(location.substr(expected_start.size()));
  EXPECT_EQ(followed.status, 200);
  EXPECT_EQ(followed.body, Fetch(kSearch).body);

  // A request that named no host is sent back to this server's own address.
  const WireReply bare = Exchange(netsim_.port(), "GET /isword.txt?netsim_fault=redirect HTTP/1.0\r\n\r\n");
  EXPECT_EQ(bare.Header("Location"), netsim_.Url("/isword.txt"));
}

TEST_F(NetsimFaults, ArmedFaultsHitPathsUnderThePrefixUntilUsedUpOrDisarmed) {
  EXPECT_EQ(Fetch("/_netsim/arm?path=/audio&fault=500&count=2").body, "ok");
  EXPECT_EQ(Fetch(kSearch).status, 200);  // another path
  EXPECT_EQ(Fetch("/audio.php?id=7").status, 500);
  EXPECT_EQ(Fetch("/audio.php").status, 500);
  EXPECT_EQ(Fetch("/audio.php").status, 200);

  // Without a count it stays; disarming is never faulted itself, even under "/".
  EXPECT_EQ(Fetch("/_netsim/arm?path=/&fault=cut").status, 200);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Fetch(kBlob).body.size(), 50000u);
  EXPECT_EQ(Fetch("/_netsim/disarm").body, "ok");
  EXPECT_EQ(Fetch(kBlob).body.size(), 100000u);

  EXPECT_EQ(Fetch("/_netsim/arm?path=/&fault=melt").status, 400);
  EXPECT_EQ(Fetch("/_netsim/arm?path=/&fault=500&count=0").status, 400);
  EXPECT_EQ(Fetch("/_netsim/arm?fault=500").status, 400);
  EXPECT_EQ(Fetch(kBlob).status, 200);
}

TEST_F(NetsimFaults, RateSpreadsTheBodyOverTime) {
  const auto start = std::chrono::steady_clock::now();
  const WireReply reply = Fetch("/_netsim/blob?bytes=10000&netsim_rate=20000");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(reply.body.size(), 10000u);
  // Half a second at that rate; a busy machine only makes it longer.
  EXPECT_GE(elapsed, milliseconds(400));
  EXPECT_EQ(Fetch("/_netsim/blob?bytes=10&netsim_rate=0").status, 400);
}

// Paced, every answer waits for the latency and a song comes at the pace; a busy machine only
// makes either longer.
TEST(NetsimPacing, SongsComeAtThePaceAfterTheLatency) {
  NetsimProcess netsim({"--pace-kbps", "100", "--latency-ms", "300"});
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Get(netsim.port(), "/isword.txt").status, 200);
  EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(300));

  // 50 KiB at 100 KiB/s: the last slice leaves 450 ms after the first.
  start = std::chrono::steady_clock::now();
  const WireReply song = Get(netsim.port(), "/_netsim/blob?bytes=51200");
  EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(300 + 450));
  EXPECT_EQ(song.status, 200);
  EXPECT_EQ(song.body.size(), 51200u);
}

}  // namespace
}  // namespace melvoro::test
