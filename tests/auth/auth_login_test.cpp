// auth logging in: against a canned login host on loopback, on a terminal of its own, and
// against netsim's demo account.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "auth_fixture.h"
#include "support/raw_http_server.h"
#include "terminal_run.h"

namespace melvoro {
namespace {

using test::AuthFixture;
using test::RawHttpServer;
using test::ReadFile;

const std::string kIssued =
    "HTTP/1.0 302 Found\r\nSet-Cookie: remixlang=0; path=/\r\nset-cookie:  remixsid=5f3a9c0e; path=/\r\n"
    "Location: /\r\nContent-Length: 0\r\n\r\n";
const std::string kRefused = "HTTP/1.0 200 OK\r\nContent-Length: 11\r\n\r\nwrong login";

std::string LoginConfig(int port) {
  return "[Hosts]\r\nNetwork=network.localhost\r\nLogin=127.0.0.1:" + std::to_string(port) + "\r\n";
}

TEST(AuthLogin, PostsTheFormAndSavesTheIssuedSession) {
  const AuthFixture auth;
  RawHttpServer server(kIssued);
  auth.Config(LoginConfig(server.port()));

  const auto result = auth.Run({"--login", "--email", "Вася@example.org", "--password-stdin"}, "pa ss&=\r\n");
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "Сессия сохранена.\n");
  EXPECT_EQ(ReadFile(auth.CookieFolder() / "network.localhost.cookie"), "remixsid=5f3a9c0e");

  const auto requests = server.Requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_TRUE(requests[0].starts_with("POST /?act=login HTTP/1.0\r\n")) << requests[0];
  EXPECT_NE(requests[0].find("\r\nHost: 127.0.0.1:" + std::to_string(server.port()) + "\r\n"),
            std::string::npos);
  // E-mail and password as Windows-1251, percent-encoded.
  EXPECT_TRUE(requests[0].ends_with("\r\n\r\nemail=%C2%E0%F1%FF%40example.org&pass=pa%20ss%26="))
      << requests[0];

  // From now on the saved session answers without a login.
  const auto again = auth.Run({"-a"});
  EXPECT_EQ(again.out, "remixsid=5f3a9c0e\n");
  EXPECT_EQ(server.Requests().size(), requests.size());
}

TEST(AuthLogin, RefusedLoginKeepsTheSavedSession) {
  const AuthFixture auth;
  RawHttpServer server(kRefused);
  auth.Config(LoginConfig(server.port()));
  ASSERT_EQ(auth.Run({"--cookie", "remixsid=old"}).exit_code, 0);

  const auto result = auth.Run({"--login", "--email", "demo@melvoro.test", "--password-stdin"}, "nope\n");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("неверный e-mail или пароль"), std::string::npos) << result.err;
  EXPECT_EQ(ReadFile(auth.CookieFolder() / "network.localhost.cookie"), "remixsid=old");
}

TEST(AuthLogin, UnreachableLoginHostIsReported) {
  const AuthFixture auth;
  int port = 0;
  {
    // A port that was free a moment ago: nothing listens there.
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), size), 0);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    close(fd);
  }
  auth.Config(LoginConfig(port));
  const auto result = auth.Run({"--login", "--email", "a@b", "--password-stdin"}, "x\n");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("Не удалось войти: Не могу открыть соединение"), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(auth.CookieFolder()));
}

TEST(AuthLogin, AsksOnTheTerminalWithoutEchoingThePassword) {
  const AuthFixture auth;
  RawHttpServer server(kIssued);
  auth.Config(LoginConfig(server.port()));

  const auto session =
      test::RunOnTerminal(auth.Auth(), {"-a"}, auth.Environment(),
                          {{"E-mail: ", "demo@melvoro.test"}, {"Пароль: ", "hidden-Secret"}});
  EXPECT_TRUE(session.answered_all) << session.transcript;
  EXPECT_EQ(session.exit_code, 0) << session.transcript;
  EXPECT_EQ(session.out, "remixsid=5f3a9c0e\n");
  EXPECT_NE(session.transcript.find("Вход на network.localhost"), std::string::npos) << session.transcript;
  EXPECT_NE(session.transcript.find("demo@melvoro.test"), std::string::npos);  // the e-mail echoes
  EXPECT_EQ(session.transcript.find("hidden-Secret"), std::string::npos) << session.transcript;
  ASSERT_FALSE(server.Requests().empty());
  EXPECT_TRUE(server.Requests()[0].ends_with("email=demo%40melvoro.test&pass=hidden-Secret"));
  EXPECT_EQ(ReadFile(auth.CookieFolder() / "network.localhost.cookie"), "remixsid=5f3a9c0e");
}

TEST(AuthLogin, WhenNoWindowCanOpenTheTerminalAsks) {
  const AuthFixture auth;
  RawHttpServer server(kIssued);
  auth.Config(LoginConfig(server.port()));
  std::vector<std::string> env = auth.Environment();
  env.push_back("DISPLAY=:12345");

  const auto session = test::RunOnTerminal(auth.Auth(), {"-a", "--dialog"}, env,
                                           {{"E-mail: ", "demo@melvoro.test"}, {"Пароль: ", "secret"}});
  EXPECT_TRUE(session.answered_all) << session.transcript;
  EXPECT_EQ(session.exit_code, 0) << session.transcript;
  EXPECT_EQ(session.out, "remixsid=5f3a9c0e\n");
}

TEST(AuthLogin, FailedLoginIsToldOnTheTerminal) {
  const AuthFixture auth;
  RawHttpServer server(kRefused);
  auth.Config(LoginConfig(server.port()));

  const auto session = test::RunOnTerminal(auth.Auth(), {"-a"}, auth.Environment(),
                                           {{"E-mail: ", "demo@melvoro.test"}, {"Пароль: ", "wrong"}});
  EXPECT_TRUE(session.answered_all) << session.transcript;
  EXPECT_EQ(session.exit_code, 1);
  EXPECT_EQ(session.out, "");
  EXPECT_NE(session.transcript.find("неверный e-mail или пароль"), std::string::npos) << session.transcript;
  EXPECT_FALSE(std::filesystem::exists(auth.CookieFolder() / "network.localhost.cookie"));
}

}  // namespace
}  // namespace melvoro
