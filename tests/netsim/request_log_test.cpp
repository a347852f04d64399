// The request log: every request in arrival order, bytes exactly as received.
#include <gtest/gtest.h>

#include <string>

#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"
#include "support/netsim_process.h"
#include "wire_client.h"

namespace melvoro::test {
namespace {

TEST(NetsimRequestLog, RecordsEveryRequestInOrderWithExactBytes) {
  NetsimProcess netsim;
  const std::string query = UrlEncode(W1251(u8"Северный ветер"));
  Get(netsim.port(), "/gsearch.php?q=" + query + "&section=audio", netsim.Host("network"),
      "Cookie: remixsid=abc\r\nUser-Agent:   spaced out  \r\n");

  // Raw Windows-1251 and bytes JSON must escape, in a header and in the body.
  const std::string body = "email=" + W1251(u8"почта").str() + "&pass=\"q\\\t\x01\x7f\xff";
  const std::string header_value = W1251(u8"Мелворо").str() + " \"1\"";
  Exchange(netsim.port(), "POST /?act=login HTTP/1.0\r\nHost: " + netsim.Host("login") +
                              "\r\nX-Name: " + header_value +
                              "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
  // Malformed, yet logged.
  Exchange(netsim.port(), "BROKEN LINE\nX-A: 1\n\n");

  const std::vector<LoggedRequest> log = netsim.Requests();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].request_line, "GET /gsearch.php?q=" + query + "&section=audio HTTP/1.0");
  ASSERT_EQ(log[0].headers.size(), 3u);
  EXPECT_EQ(log[0].headers[0], std::make_pair(std::string("Host"), netsim.Host("network")));
  EXPECT_EQ(log[0].headers[1], std::make_pair(std::string("Cookie"), std::string("remixsid=abc")));
  EXPECT_EQ(log[0].headers[2], std::make_pair(std::string("User-Agent"), std::string("spaced out  ")));
  EXPECT_EQ(log[0].Header("user-agent"), "spaced out  ");
  EXPECT_TRUE(log[0].body.empty());

  EXPECT_EQ(log[1].request_line, "POST /?act=login HTTP/1.0");
  EXPECT_EQ(log[1].Header("X-Name"), header_value);
  EXPECT_EQ(log[1].Header("Content-Length"), std::to_string(body.size()));
  EXPECT_EQ(log[1].body, body);

  EXPECT_EQ(log[2].request_line, "BROKEN LINE");
  EXPECT_EQ(log[2].Header("X-A"), "1");
}

TEST(NetsimRequestLog, ParsesEscapesBackToBytesAndRejectsWhatItCannotRestore) {
  const auto parsed = ParseNetsimLog(
      "{\"request_line\":\"GET / "
      "HTTP/1.0\",\"headers\":[[\"A\",\"\\u00e9\\\"\\\\\\n\"]],\"body\":\"\\u0000x\"}\n"
      "{\"request_line\":\"\",\"headers\":[],\"body\":\"\"}\n");
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[0].Header("a"), std::string("\xe9\"\\\n"));
  EXPECT_EQ(parsed[0].body, std::string("\0x", 2));
  EXPECT_THROW(ParseNetsimLog("{\"request_line\":\"\\u0410\",\"headers\":[],\"body\":\"\"}"),
               std::runtime_error);
  EXPECT_THROW(ParseNetsimLog("{\"request_line\":\"GET"), std::runtime_error);
}

}  // namespace
}  // namespace melvoro::test
