// auth without a network: the saved session, pasted cookies, log-out and usage.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "auth_fixture.h"
#include "core/http/hosts.h"

namespace melvoro {
namespace {

using test::AuthFixture;
using test::ReadFile;

unsigned Mode(const std::filesystem::path& path) {
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

TEST(Auth, PastedCookieIsSavedPrivatelyUnderTheNetworkHost) {
  const AuthFixture auth;
  auth.Config("[Hosts]\r\nNetwork=network.localhost:8080\r\n");
  auto result = auth.Run({"--cookie", "  remixsid=abc123; path=/\r\n"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "");

  const auto file = auth.CookieFolder() / "network.localhost_8080.cookie";
  EXPECT_EQ(ReadFile(file), "remixsid=abc123; path=/");
  EXPECT_EQ(Mode(file), 0600u);
  EXPECT_EQ(Mode(auth.CookieFolder()), 0700u);
  EXPECT_EQ(Mode(auth.DataFolder() / "melvoro"), 0700u);
  // The program's log-out looks for the host's word in the file names.
  EXPECT_NE(file.filename().string().find(HostWord("network.localhost:8080")), std::string::npos);

  result = auth.Run({"-a"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "remixsid=abc123; path=/\n");
  EXPECT_EQ(result.err, "");
}

TEST(Auth, DefaultHostWithoutConfig) {
  const AuthFixture auth;
  EXPECT_EQ(auth.Run({"--cookie", "remixsid=1"}).exit_code, 0);
  EXPECT_EQ(ReadFile(auth.CookieFolder() / "vkontakte.ru.cookie"), "remixsid=1");
}

TEST(Auth, TextThatIsNoSessionCookieIsRefused) {
  const AuthFixture auth;
  for (const std::string text : {"sid=abc", "REMIXSID=abc", "", "remixsid=a\nremixsid=b"}) {
    const auto result = auth.Run({"--cookie", text});
    EXPECT_EQ(result.exit_code, 2) << text;
    EXPECT_NE(result.err.find("remixsid"), std::string::npos) << result.err;
  }
  EXPECT_FALSE(std::filesystem::exists(auth.CookieFolder() / "vkontakte.ru.cookie"));
}

TEST(Auth, WithoutSessionOrTerminalPrintsNothing) {
  const AuthFixture auth;
  auto result = auth.Run({"-a"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");

  ASSERT_EQ(auth.Run({"--cookie", "remixsid=1"}).exit_code, 0);
  ASSERT_EQ(auth.Run({"-a"}).exit_code, 0);
  result = auth.Run({"--logout"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_FALSE(std::filesystem::exists(auth.CookieFolder() / "vkontakte.ru.cookie"));
  EXPECT_EQ(auth.Run({"-a"}).exit_code, 1);
  EXPECT_EQ(auth.Run({"--logout"}).exit_code, 0);  // nothing left to forget

  // A damaged file is no session either.
  auth.Root().Write("data/melvoro/cookies/vkontakte.ru.cookie", "\r\n");
  EXPECT_EQ(auth.Run({"-a"}).out, "");
}

TEST(Auth, ADisplayThatCannotBeReachedEndsQuietlyWithoutACrash) {
  const AuthFixture auth;
  const std::map<std::string, std::string> dead_display = {{"DISPLAY", ":12345"}};
  auto result = auth.Run({"-a"}, "", dead_display);
  EXPECT_EQ(result.exit_code, 1) << result.err;  // not killed by the failing window
  EXPECT_EQ(result.out, "");

  result = auth.Run({"--login", "--dialog"}, "", dead_display);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("Нет экрана"), std::string::npos) << result.err;
  result = auth.Run({"--login", "--dialog"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("Нет экрана"), std::string::npos) << result.err;

  // A saved session needs no window at all.
  ASSERT_EQ(auth.Run({"--cookie", "remixsid=1"}).exit_code, 0);
  EXPECT_EQ(auth.Run({"-a", "--dialog"}, "", dead_display).out, "remixsid=1\n");
}

// Every start of the program runs auth -a: what it loads, each start pays for.
TEST(Auth, LoadsNeitherQtNorTheNetworkLibrary) {
  const AuthFixture auth;
  const auto libraries = auth.Run({"-a"}, "", {{"LD_TRACE_LOADED_OBJECTS", "1"}}).out;
  EXPECT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
  EXPECT_EQ(libraries.find("libQt"), std::string::npos) << libraries;
  EXPECT_EQ(libraries.find("libcurl"), std::string::npos) << libraries;
}

// The window is auth-dialog beside auth; here a script stands in for it.
TEST(Auth, TheWindowsAnswerDecidesWhatAuthPrintsAndReturns) {
  const AuthFixture auth;
  auth.Config("[Hosts]\nNetwork=network.localhost:81\nLogin=login.localhost:82\n");
  const auto dialog = auth.Root() / "app" / "auth-dialog";
  const std::map<std::string, std::string> display = {{"DISPLAY", ":0"}};

  test::WriteScript(dialog, "echo \"$@\" >\"$0.args\"\nprintf 1remixsid=7\n");
  auto result = auth.Run({"-a"}, "", display);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "remixsid=7\n");
  EXPECT_EQ(ReadFile(dialog.string() + ".args"),
            "--network network.localhost:81 --login login.localhost:82\n");

  // Logged in but not saved: the log-in counts as failed, and the cookie is never printed.
  test::WriteScript(dialog, "echo \"$@\" >\"$0.args\"\nprintf 0remixsid=8\n");
  result = auth.Run({"--login", "--email", "a@b", "--dialog"}, "", display);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(ReadFile(dialog.string() + ".args").find("--email a@b"), std::string::npos);

  // Cancelled is no missing screen; a window that died is.
  test::WriteScript(dialog, "exit 10\n");
  result = auth.Run({"--login", "--dialog"}, "", display);
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err.find("Нет экрана"), std::string::npos) << result.err;
  test::WriteScript(dialog, "kill -ABRT $$\n");
  result = auth.Run({"--login", "--dialog"}, "", display);
  EXPECT_NE(result.err.find("Нет экрана"), std::string::npos) << result.err;
}

TEST(Auth, LoginWithoutTerminalNeedsEmailAndPasswordGiven) {
  const AuthFixture auth;
  const auto result = auth.Run({"--login", "--password-stdin"}, "secret\n");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("Нет терминала"), std::string::npos) << result.err;
}

TEST(Auth, UnreadableConfigIsAnError) {
  const AuthFixture auth;
  std::filesystem::create_directory(auth.Root() / "app" / "config.ini");
  const auto result = auth.Run({"-a"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("config.ini"), std::string::npos) << result.err;
}

TEST(Auth, WrongUsageShowsUsageAndExits2) {
  const AuthFixture auth;
  const std::vector<std::vector<std::string>> wrong = {{},
                                                       {"-x"},
                                                       {"--cookie"},
                                                       {"-a", "extra"},
                                                       {"--email", "a@b"},
                                                       {"--login", "--email"},
                                                       {"--login", "-a"},
                                                       {"--login", "--dialog", "--password-stdin"},
                                                       {"-a", "--dialog", "--dialog"}};
  for (const auto& args : wrong) {
    const auto result = auth.Run(args);
    EXPECT_EQ(result.exit_code, 2) << ::testing::PrintToString(args);
    EXPECT_TRUE(result.err.starts_with("usage: auth")) << result.err;
    EXPECT_EQ(result.out, "");
  }
  const auto help = auth.Run({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_TRUE(help.out.starts_with("usage: auth"));
}

}  // namespace
}  // namespace melvoro
