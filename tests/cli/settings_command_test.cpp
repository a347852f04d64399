// melvoro-cli settings, run as a user would: a copy of the program beside its config.ini and
// an authorization utility.
#include <gtest/gtest.h>

#include "support/program_run.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

using test::ProgramRun;
using test::TempDir;

class CliSettingsTest : public ::testing::Test {
 protected:
  CliSettingsTest() {
    std::filesystem::create_directory(app / "bin");
    cli = test::CopyProgram("melvoro-cli", app / "bin");
  }
  test::ProgramOutput Run(std::vector<std::string> args = {"settings"}) {
    ProgramRun run;
    run.args = std::move(args);
    run.env = {{"HOME", home.path().string()}, {"XDG_CONFIG_HOME", std::nullopt}};
    return test::RunProgram(cli, run);
  }

  TempDir app, home;
  std::filesystem::path cli;
};

TEST_F(CliSettingsTest, PrintsTheTableAfterStartUp) {
  app.Write("bin/config.ini",
            "[Authorization]\r\nemail=me@example.org\r\n"
            "[Melvoro]\r\nThreadsCount=3\r\nUploadDir=\"/\xEC\xF3\xE7\xFB\xEA\xE0/\"\r\n");
  test::WriteScript(app / "bin" / "auth", "[ \"$1\" = -a ] && printf 'remixsid=abc\\r\\n'\n");
  const auto result = Run();
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out,
            "email=me@example.org\nThreadsCount=3\nUploadDir=/музыка/\ncookie=remi… (14 bytes)\n");
  EXPECT_EQ(result.err, "");
}

TEST_F(CliSettingsTest, DefaultsAndAnUnreadableConfig) {
  std::filesystem::create_directory(app / "bin" / "config.ini");
  test::WriteScript(app / "bin" / "auth", "echo remixsid=1\n");
  const auto result = Run();
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out,
            "cookie=rem… (11 bytes)\nThreadsCount=5\nUploadDir=" + (home / "Desktop").string() + "/\n");
  EXPECT_NE(result.err.find("Ошибка: Неопределенная ошибка во время чтения файла настроек"),
            std::string::npos)
      << result.err;
}

TEST_F(CliSettingsTest, ALongCookieShowsOnlyItsStart) {
  test::WriteScript(app / "bin" / "auth", "echo remixsid=0123456789abcdef0123456789abcdef\n");
  const auto result = Run();
  EXPECT_EQ(result.out.find("0123456789"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("cookie=remixsid=012… (42 bytes)\n"), std::string::npos) << result.out;
}

// Run without a terminal, where auth cannot ask for a log-in and says nothing.
TEST_F(CliSettingsTest, NoSessionIsSaidOnStandardErrorWithCode3) {
  test::WriteScript(app / "bin" / "auth", "echo 'REMIXSID=1'\nexit 1\n");
  auto result = Run();
  EXPECT_EQ(result.exit_code, 3);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("Нет сохранённой сессии"), std::string::npos) << result.err;

  std::filesystem::remove(app / "bin" / "auth");
  result = Run();
  EXPECT_EQ(result.exit_code, 3);
  EXPECT_EQ(result.out, "");
}

TEST_F(CliSettingsTest, ExtraArgumentsAreAUsageError) {
  test::WriteScript(app / "bin" / "auth", "echo remixsid=1\n");
  const auto result = Run({"settings", "extra"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("usage"), std::string::npos);
}

TEST_F(CliSettingsTest, HelpAskedForGoesToStandardOutputAndSucceeds) {
  const auto all = Run({"--help"});
  EXPECT_EQ(all.exit_code, 0);
  EXPECT_EQ(all.err, "");
  EXPECT_TRUE(all.out.starts_with("usage: melvoro-cli fetch URL")) << all.out;
  EXPECT_NE(all.out.find("\n       melvoro-cli settings\n"), std::string::npos) << all.out;
  EXPECT_EQ(Run({"-h"}).out, all.out);

  // After a command: that command's usage, before any start-up (no auth here to run).
  const auto one = Run({"charts", "-h"});
  EXPECT_EQ(one.exit_code, 0);
  EXPECT_EQ(one.out, "usage: melvoro-cli charts spb|msk [STATION]   |   charts lastfm ARTIST\n");
  EXPECT_EQ(Run({"settings", "--help"}).out, "usage: melvoro-cli settings\n");

  for (const auto& wrong : std::vector<std::vector<std::string>>{{}, {"--help", "x"}, {"nonsense"}, {"-x"}}) {
    const auto result = Run(wrong);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, all.out);
  }
}

}  // namespace
}  // namespace melvoro
