// The radio sites' and last.fm's answers that the program's own requests never draw out.
#include <gtest/gtest.h>

#include "support/netsim_process.h"
#include "wire_client.h"

namespace melvoro::test {
namespace {

TEST(NetsimCharts, StationsBelongToTheirSiteAndLastFmRefusesAnyOtherKey) {
  NetsimProcess netsim;
  const int port = netsim.port();
  // FM_96.4 is a Moscow station only.
  EXPECT_EQ(Get(port, "/stations/FM_96.4/top100", netsim.Host("radiomsk")).status, 200);
  EXPECT_EQ(Get(port, "/stations/FM_96.4/top100", netsim.Host("radiospb")).status, 404);
  EXPECT_EQ(Get(port, "/stations/FM_96.4", netsim.Host("radiomsk")).status, 404);
  const WireReply chart = Get(port, "/charts/top100", "moskva.fm");
  EXPECT_EQ(chart.Header("Content-Type"), "text/html; charset=utf-8");

  const WireReply refused =
      Get(port, "/2.0/?method=artist.gettoptracks&artist=Glass+Otters&api_key=0123", netsim.Host("lastfm"));
  EXPECT_EQ(refused.status, 403);
  EXPECT_NE(refused.body.find("<lfm status=\"failed\">\n<error code=\"10\">"), std::string::npos)
      << refused.body;

  const WireReply tracks = Get(
      port, "/2.0/?method=artist.gettoptracks&artist=GLASS%20otters&api_key=3f9c1a7be2d04c58a6e1b7d92c4f0e83",
      "ws.audioscrobbler.com");
  EXPECT_EQ(tracks.status, 200);
  const std::size_t first = tracks.body.find("<track rank=\"1\">\n<name>Paper Lanterns</name>");
  EXPECT_NE(first, std::string::npos) << tracks.body;
  EXPECT_LT(first, tracks.body.find("<track rank=\"2\">\n<name>Slow Orbit</name>"));
}

}  // namespace
}  // namespace melvoro::test
