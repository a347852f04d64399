// What the worker puts on the wire, byte for byte, and how it meets servers that answer
// badly or not at all.
#include <gtest/gtest.h>

#include "core/texts.h"
#include "request_harness.h"
#include "support/raw_http_server.h"
#include "support/temp_dir.h"

namespace melvoro::test {
namespace {

const std::string kOk = "HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok";

TEST(GethttpWire, GetWithCookieCarriesExactlyTheseHeaders) {
  RawHttpServer server(kOk);
  RequestHarness h;
  auto w = h.NewWorker(server.Url("/gsearch.php?q=%C1%E8-2&section=audio&offset=0"));
  w->Cookie = "remixsid=abc123\r\n";  // as the authorization utility prints it
  EXPECT_EQ(RequestHarness::Sequence(h.Run(std::move(w))), "begin progress done end");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /gsearch.php?q=%C1%E8-2&section=audio&offset=0 HTTP/1.0\r\n"
            "Host: 127.0.0.1:" +
                std::to_string(server.port()) +
                "\r\n"
                "User-Agent: Firefox 3.0\r\n"
                "Content-Type: application/x-www-form-urlencoded\r\n"
                "Cookie: remixsid=abc123\r\n"
                "\r\n");
}

TEST(GethttpWire, PostDataMakesAPostAndNoCookieNoHeader) {
  RawHttpServer server(kOk);
  RequestHarness h;
  auto w = h.NewWorker(server.Url("/?act=login"));
  w->PostData = "email=a%40b&pass=%F1";
  h.Run(std::move(w));
  ASSERT_EQ(server.Requests().size(), 1u);
  const std::string request = server.Requests()[0];
  EXPECT_EQ(request.substr(0, request.find("\r\n")), "POST /?act=login HTTP/1.0");
  EXPECT_NE(request.find("\r\nContent-Type: application/x-www-form-urlencoded\r\n"), std::string::npos);
  EXPECT_NE(request.find("\r\nContent-Length: 20\r\n"), std::string::npos);
  EXPECT_EQ(request.find("Cookie"), std::string::npos);
  EXPECT_EQ(request.substr(request.size() - 24), "\r\n\r\nemail=a%40b&pass=%F1");
}

TEST(GethttpWire, LineBreaksInsideACookieNeverReachTheWire) {
  RawHttpServer server(kOk);
  RequestHarness h;
  auto w = h.NewWorker(server.Url("/"));
  w->Cookie = "\nremixsid=1\r\nX-Injected: yes\r\n";
  h.Run(std::move(w));
  const std::string request = server.Requests().at(0);
  EXPECT_NE(request.find("\r\nCookie: remixsid=1; X-Injected: yes\r\n\r\n"), std::string::npos) << request;
}

TEST(GethttpWire, SchemeMayBeLeftOutAndUnsafeBytesAreEscaped) {
  RawHttpServer server(kOk);
  RequestHarness h;
  auto w = h.NewWorker("127.0.0.1:" + std::to_string(server.port()) + "/a b/\xCF.mp3");
  EXPECT_EQ(RequestHarness::Sequence(h.Run(std::move(w))), "begin progress done end");
  EXPECT_EQ(server.Requests().at(0).substr(0, 26), "GET /a%20b/%CF.mp3 HTTP/1.");
}

TEST(GethttpWire, NoAnswerAtAllIsAConnectionFailure) {
  const std::string expected(texts::kErrNoConnection);
  {
    RawHttpServer silent("");  // accepts, reads, closes
    RequestHarness h;
    const auto errors = RequestHarness::Only(h.Run(h.NewWorker(silent.Url("/isword.txt"))), "error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, expected);
  }
  int closed_port;
  {
    RawHttpServer gone("");
    closed_port = gone.port();
  }
  RequestHarness h;
  const auto all = h.Run(h.NewWorker("http://127.0.0.1:" + std::to_string(closed_port) + "/"));
  EXPECT_EQ(RequestHarness::Sequence(all), "begin error end");
  EXPECT_EQ(RequestHarness::Only(all, "error").at(0).text, expected);
}

TEST(GethttpWire, ABodyShorterThanDeclaredFailsAndLeavesNoFile) {
  RawHttpServer server("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\nonly a part");
  TempDir dir;
  const auto target = dir / "song.mp3";
  RequestHarness h;
  auto w = h.NewWorker(server.Url("/u00042/audio/ab.mp3"));
  w->FileName = target.string();
  const auto all = h.Run(std::move(w));
  // One early report (a small file counts as good as complete from its first kilobyte), no final one.
  EXPECT_EQ(RequestHarness::Sequence(all), "begin progress error end");
  EXPECT_EQ(RequestHarness::Only(all, "progress").size(), 1u);
  EXPECT_EQ(RequestHarness::Only(all, "error").at(0).text, std::string(texts::kErrTransferCut) + "11");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(GethttpWire, HttpsIsRefusedAsABadAddress) {
  RequestHarness h;
  const auto errors = RequestHarness::Only(h.Run(h.NewWorker("https://127.0.0.1:1/")), "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text.rfind(std::string(texts::kErrBadAddress), 0), 0u) << errors[0].text;
}

}  // namespace
}  // namespace melvoro::test
