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
            "email=me@example.org\nThreadsCount=3\nUploadDir=/музыка/\ncookie=remixsid=abc\\r\\n\n");
  EXPECT_EQ(result.err, "");
}

TEST_F(CliSettingsTest, DefaultsAndAnUnreadableConfig) {
  std::filesystem::create_directory(app / "bin" / "config.ini");
  test::WriteScript(app / "bin" / "auth", "echo remixsid=1\n");
  const auto result = Run();
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out,
            "cookie=remixsid=1\\n\nThreadsCount=5\nUploadDir=" + (home / "Desktop").string() + "/\n");
  EXPECT_NE(result.err.find("Ошибка: Неопределенная ошибка во время чтения файла настроек"),
            std::string::npos)
      << result.err;
}

TEST_F(CliSettingsTest, NoSessionEndsSilentlyWithCode3) {
  test::WriteScript(app / "bin" / "auth", "echo 'REMIXSID=1'\nexit 1\n");
  auto result = Run();
  EXPECT_EQ(result.exit_code, 3);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "");

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

}  // namespace
}  // namespace melvoro
