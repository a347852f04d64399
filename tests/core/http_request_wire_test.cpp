// What the worker puts on the wire, byte for byte, and how it meets servers that answer
// badly or not at all.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "core/text/texts.h"
#include "request_harness.h"
#include "support/raw_http_server.h"
#include "support/temp_dir.h"

namespace melvoro::test {
namespace {

const std::string kOk = "HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok";

TEST(HttpRequestWire, GetWithCookieCarriesExactlyTheseHeaders) {
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

TEST(HttpRequestWire, PostDataMakesAPostAndNoCookieNoHeader) {
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

TEST(HttpRequestWire, LineBreaksInsideACookieNeverReachTheWire) {
  RawHttpServer server(kOk);
  RequestHarness h;
  auto w = h.NewWorker(server.Url("/"));
  w->Cookie = "\nremixsid=1\r\nX-Injected: yes\r\n";
  h.Run(std::move(w));
  const std::string request = server.Requests().at(0);
  EXPECT_NE(request.find("\r\nCookie: remixsid=1; X-Injected: yes\r\n\r\n"), std::string::npos) << request;
}

TEST(HttpRequestWire, SchemeMayBeLeftOutAndUnsafeBytesAreEscaped) {
  RawHttpServer server(kOk);
  RequestHarness h;
  auto w = h.NewWorker("127.0.0.1:" + std::to_string(server.port()) + "/a b/\xCF.mp3");
  EXPECT_EQ(RequestHarness::Sequence(h.Run(std::move(w))), "begin progress done end");
  EXPECT_EQ(server.Requests().at(0).substr(0, 26), "GET /a%20b/%CF.mp3 HTTP/1.");
}

TEST(HttpRequestWire, NoAnswerIsNotAFailureToConnectButAClosedPortIs) {
  const std::string expected(texts::kErrNoConnection);
  {
    RawHttpServer silent("");  // accepts, reads, closes
    RequestHarness h;
    const auto errors = RequestHarness::Only(h.Run(h.NewWorker(silent.Url("/isword.txt"))), "error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, texts::kErrNoAnswer.str());
  }
  {
    // The kernel accepts the connection; nobody ever reads or answers it.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);
    RequestHarness h;
    auto w = h.NewWorker("http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/");
    w->StallTimeout = std::chrono::seconds(1);
    const auto errors = RequestHarness::Only(h.Run(std::move(w)), "error");
    ::close(listener);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, texts::kErrNoAnswer.str());
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

TEST(HttpRequestWire, ABodyShorterThanDeclaredFailsAndLeavesNoFile) {
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

TEST(HttpRequestWire, AnAnswerCutInsideItsHeadersIsACutConnectionForEveryKindOfRequest) {
  TempDir dir;
  const auto target = dir.Write("song.mp3", "old song");
  for (const std::string answer : {"HTTP/1.0 200 OK\r\nContent-Ty", "HTTP/1.0 200 OK\r\nServer: x\r\n"}) {
    RawHttpServer server(answer);
    for (const std::string kind : {"get", "post", "song"}) {
      RequestHarness h;
      auto w = h.NewWorker(server.Url("/u00042/audio/ab.mp3"));
      if (kind == "post") w->PostData = "a=1";
      if (kind == "song") {
        w->FileName = target.string();
        w->SongTransfer = true;
      }
      const auto errors = RequestHarness::Only(h.Run(std::move(w)), "error");
      ASSERT_EQ(errors.size(), 1u) << kind << " " << answer;
      EXPECT_EQ(errors[0].text, texts::kErrTransferCut.str() + "0") << kind;
    }
  }
  EXPECT_EQ(ReadFile(target), "old song");
}

TEST(HttpRequestWire, HttpsIsRefusedAsABadAddress) {
  RequestHarness h;
  const auto errors = RequestHarness::Only(h.Run(h.NewWorker("https://127.0.0.1:1/")), "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text.rfind(std::string(texts::kErrBadAddress), 0), 0u) << errors[0].text;
}

TEST(HttpRequestWire, RefusedRedirectsNameTheirTargetAndANonHttpReplySaysSo) {
  for (const std::string target :
       {"https://elsewhere.example/a.mp3", "file:///etc/passwd", "ftp://elsewhere.example/a"}) {
    RawHttpServer server("HTTP/1.0 302 Found\r\nLocation: " + target + "\r\nContent-Length: 0\r\n\r\n");
    RequestHarness h;
    const auto errors = RequestHarness::Only(h.Run(h.NewWorker(server.Url("/a.mp3"))), "error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, texts::kErrRedirectRefused.str() + target);
  }
  RawHttpServer junk("SSH-2.0-OpenSSH_9.2\r\nProtocol mismatch.\r\n");
  RequestHarness h;
  const auto errors = RequestHarness::Only(h.Run(h.NewWorker(junk.Url("/"))), "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, texts::kErrNotHttp.str());
}

// An empty 200 answer or a web page served with 200 in place of a song must not replace one.
TEST(HttpRequestWire, ASongAnsweredWithNothingOrAPageFailsAndTheOldFileStays) {
  TempDir dir;
  const auto target = dir.Write("song.mp3", "old song");
  const std::string page = "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=windows-1251\r\n\r\nLog in";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n", texts::kErrEmptySong.str()},
      {page, texts::kErrPageNotSong.str()},
      {"HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\n\r\n<html>Log in</html>",
       texts::kErrPageNotSong.str()},
  };
  for (const auto& [answer, message] : cases) {
    RawHttpServer server(answer);
    RequestHarness h;
    auto w = h.NewWorker(server.Url("/u00042/audio/ab.mp3"));
    w->FileName = target.string();
    w->SongTransfer = true;
    const auto errors = RequestHarness::Only(h.Run(std::move(w)), "error");
    ASSERT_EQ(errors.size(), 1u) << answer;
    EXPECT_EQ(errors[0].text, message);
    EXPECT_EQ(ReadFile(target), "old song");
  }
  // Other transfers to a file take what comes.
  RawHttpServer server(page);
  RequestHarness h;
  auto w = h.NewWorker(server.Url("/page.html"));
  w->FileName = target.string();
  EXPECT_EQ(RequestHarness::Sequence(h.Run(std::move(w))), "begin progress done end");
  EXPECT_EQ(ReadFile(target), "Log in");
}

TEST(HttpRequestWire, MemoryBodiesAndCookiesAreBounded) {
  {
    // Refused on its declared length, before anything is held.
    RawHttpServer server("HTTP/1.0 200 OK\r\nContent-Length: 1500000000\r\n\r\nabc");
    RequestHarness h;
    const auto errors = RequestHarness::Only(h.Run(h.NewWorker(server.Url("/audio.php"))), "error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, texts::kErrBodyTooLarge.str() + std::to_string(16 << 20));
  }
  const std::string unmeasured = "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'x');
  {
    RawHttpServer server(unmeasured);
    RequestHarness h;
    auto w = h.NewWorker(server.Url("/audio.php"));
    w->MaxMemoryBody = 1000;
    const auto errors = RequestHarness::Only(h.Run(std::move(w)), "error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, texts::kErrBodyTooLarge.str() + "1000");
  }
  {
    // A file is no memory.
    RawHttpServer server(unmeasured);
    TempDir dir;
    RequestHarness h;
    auto w = h.NewWorker(server.Url("/a.mp3"));
    w->MaxMemoryBody = 1000;
    w->FileName = (dir / "a.mp3").string();
    EXPECT_EQ(RequestHarness::Sequence(h.Run(std::move(w))), "begin progress done end");
  }
  RawHttpServer server(kOk);
  RequestHarness h;
  auto w = h.NewWorker(server.Url("/"));
  w->Cookie = "remixsid=" + std::string(20'000'000, 'a');
  const auto errors = RequestHarness::Only(h.Run(std::move(w)), "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, texts::kErrCookieTooLong.str() + "20000009");
  EXPECT_TRUE(server.Requests().empty());
}

TEST(HttpRequestWire, RunningOutOfDescriptorsSaysSo) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  // The sanitizers' runtime opens files of its own to check and report, and fails without them.
  GTEST_SKIP() << "no descriptors left for the sanitizer runtime";
#endif
  RawHttpServer server(kOk);
  RequestHarness h;
  auto w = h.NewWorker(server.Url("/"));
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &old), 0);
  rlimit low = old;
  low.rlim_cur = std::min<rlim_t>(old.rlim_cur, 1024);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  std::vector<int> held;
  for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) held.push_back(fd);
  const auto errors = RequestHarness::Only(h.Run(std::move(w)), "error");
  for (const int fd : held) ::close(fd);
  setrlimit(RLIMIT_NOFILE, &old);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, texts::kErrNoDescriptors.str());
}

}  // namespace
}  // namespace melvoro::test
