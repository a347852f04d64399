// Which host a request reaches: proxy form, Host header, or neither; the login and support
// hosts; the program's command line and its end.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "core/text/cp1251.h"
#include "core/text/regex.h"
#include "support/netsim_process.h"
#include "support/program_run.h"
#include "wire_client.h"

namespace melvoro::test {
namespace {

const std::string& SupportText() {
  static const std::string text = W1251(u8"Соединение с сервером поддержки Melvoro установлено.\r\n").str();
  return text;
}

TEST(NetsimRouting, TheSupportTextIsReachedByEveryFormOfAddress) {
  NetsimProcess netsim;
  const int port = netsim.port();
  const std::vector<WireReply> replies = {
      Get(port, "/isword.txt", netsim.Host("support")),
      Get(port, "/isword.txt", "SUPPORT.LocalHost:" + std::to_string(port)),
      Get(port, "/isword.txt", "support.melvoro.net"),
      Get(port, "/isword.txt", "127.0.0.1:" + std::to_string(port)),
      Get(port, "/isword.txt"),  // HTTP/1.0 without a Host header
      Exchange(port, "GET http://support.melvoro.net/isword.txt HTTP/1.0\r\nHost: vkontakte.ru\r\n\r\n"),
      Exchange(port, "GET /isword.txt HTTP/1.1\nHost: support.localhost\n\n"),  // bare line ends
  };
  for (std::size_t i = 0; i < replies.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(replies[i].status, 200);
    EXPECT_EQ(replies[i].Header("Content-Type"), "text/plain; charset=windows-1251");
    EXPECT_EQ(replies[i].Header("Connection"), "close");
    EXPECT_EQ(replies[i].body, SupportText());
  }
}

TEST(NetsimRouting, TheSupportHostTakesTheFeedbackPostAndServesItsPage) {
  NetsimProcess netsim;
  const int port = netsim.port();
  const WireReply page = Get(port, "/melvoro/support/", netsim.Host("support"));
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(page.Header("Content-Type"), "text/html; charset=windows-1251");
  const std::string body = "email=a&desc=b&log=%3Ctable%3E%3C%2Ftable%3E";
  const WireReply sent =
      Exchange(port, "POST /melvoro/feedback/send/index.php HTTP/1.0\r\nHost: " + netsim.Host("support") +
                         "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
  EXPECT_EQ(sent.status, 200);
  EXPECT_EQ(netsim.Requests().back().body, body);
  EXPECT_EQ(Get(port, "/melvoro/feedback/send/index.php", netsim.Host("network")).status, 404);
}

TEST(NetsimRouting, AKnownHostServesOnlyItsOwnRoutes) {
  NetsimProcess netsim;
  const int port = netsim.port();
  EXPECT_EQ(Get(port, "/isword.txt", netsim.Host("network")).status, 404);
  EXPECT_EQ(Get(port, "/isword.txt", "vkontakte.ru").status, 404);
  EXPECT_EQ(Get(port, "/gsearch.php?q=otter", netsim.Host("support"), kSessionCookie).status, 404);
  // The absolute target names the host, whatever the Host header says.
  EXPECT_EQ(
      Exchange(port, "GET http://vkontakte.ru/isword.txt HTTP/1.0\r\nHost: support.localhost\r\n\r\n").status,
      404);
  const WireReply unknown = Get(port, "/nowhere.php");
  EXPECT_EQ(unknown.status, 404);
  EXPECT_EQ(unknown.Header("Content-Type"), "text/html; charset=windows-1251");
  // A host of no role finds pages of any role by their path.
  const WireReply search = Get(port, "/gsearch.php?q=otter&section=audio", "", kSessionCookie);
  EXPECT_NE(search.body.find("searchResults"), std::string::npos);
}

TEST(NetsimRouting, MalformedRequestsGetA400) {
  NetsimProcess netsim;
  for (const std::string_view request :
       {"GARBAGE\r\n\r\n", "GET  /isword.txt HTTP/1.0\r\n\r\n", "GET /isword.txt HTTP/2.0\r\n\r\n",
        "GET isword.txt HTTP/1.0\r\n\r\n"}) {
    EXPECT_EQ(Exchange(netsim.port(), request).status, 400) << request;
  }
  EXPECT_EQ(Exchange(netsim.port(), "POST /?act=login HTTP/1.0\r\nContent-Length: x\r\n\r\n").status, 411);
}

TEST(NetsimRouting, TheLoginHostIssuesASessionOnlyForAKnownAccount) {
  NetsimProcess netsim;
  const std::string login = netsim.Host("login");
  const WireReply form = Get(netsim.port(), "/", login);
  EXPECT_EQ(form.status, 200);
  EXPECT_NE(form.body.find("name=\"pass\""), std::string::npos);

  const auto attempt = [&](std::string_view body) {
    return Exchange(netsim.port(),
                    "POST /?act=login HTTP/1.0\r\nHost: " + login +
                        "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                        std::to_string(body.size()) + "\r\n\r\n" + std::string(body));
  };
  const WireReply good = attempt("email=demo%40melvoro.test&pass=demo");
  EXPECT_EQ(good.status, 200);
  EXPECT_TRUE(Regex("^remixsid=[0-9a-f]{32}; path=/$").FirstMatch(good.Header("Set-Cookie")))
      << good.Header("Set-Cookie");
  const WireReply again = attempt("email=DEMO%40melvoro.test&pass=demo");
  EXPECT_NE(again.Header("Set-Cookie"), good.Header("Set-Cookie"));  // a fresh session each time

  for (const std::string_view body :
       {"email=demo%40melvoro.test&pass=Demo", "email=demo%40melvoro.test", ""}) {
    const WireReply bad = attempt(body);
    EXPECT_EQ(bad.status, 200) << body;
    EXPECT_FALSE(bad.Has("Set-Cookie")) << body;
    EXPECT_NE(bad.body.find(W1251(u8"Не удалось войти")), std::string::npos);
  }
}

TEST(NetsimRouting, BadArgumentsExitWithUsageAndSigtermEndsCleanly) {
  const std::string program = BuiltProgram("netsim").string();
  for (const std::string args :
       {"", "--listen", "--listen 127.0.0.1", "--listen 127.0.0.1:99999", "--listen 127.0.0.1:0 --bogus",
        "--log /tmp/x", "--listen 127.0.0.1:0 --pace-kbps 0", "--listen 127.0.0.1:0 --latency-ms 1e3"}) {
    const int status = std::system((program + " " + args + " 2>/dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(status)) << args;
    EXPECT_EQ(WEXITSTATUS(status), 2) << args;
  }

  NetsimProcess netsim;
  EXPECT_EQ(Get(netsim.port(), "/isword.txt").status, 200);
  const int status = netsim.Terminate();
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace melvoro::test
