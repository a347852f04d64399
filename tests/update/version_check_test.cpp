// Reading the version file, and the update helper against netsim on a terminal.
#include <gtest/gtest.h>

#include "core/text/texts.h"
#include "support/netsim_process.h"
#include "support/program_run.h"
#include "support/raw_http_server.h"
#include "support/temp_dir.h"
#include "update/version_check.h"

namespace melvoro {
namespace {

using Outcome = UpdateCheckResult::Outcome;

TEST(VersionCheck, ComparesNumbersAndRefusesWhatIsNoVersionFile) {
  EXPECT_GT(CompareVersions("2.10", "2.9"), 0);
  EXPECT_EQ(CompareVersions("2.1", "2.1.0"), 0);
  EXPECT_LT(CompareVersions("2.0.1", "2.0.10"), 0);

  const auto newer = ReadVersionFile("2.0.10\r\nhttp://s/d/\r\n", "2.0.9");
  EXPECT_EQ(newer.outcome, Outcome::kNewer);
  EXPECT_EQ(newer.Latest, "2.0.10");
  EXPECT_EQ(newer.Url, "http://s/d/");
  EXPECT_EQ(ReadVersionFile("2.0.1\nhttp://s/d/", "2.0.1").outcome, Outcome::kNewest);
  for (const char* bad : {"", "2.0.1", "2.0.1\n", "v2\nhttp://s/", "2..1\nhttp://s/", "2.0.1\nhttp://s/ x",
                          "1234567890\nhttp://s/", "<html>\n<body>"})
    EXPECT_EQ(ReadVersionFile(bad, "2.0.1").outcome, Outcome::kFailed) << bad;
}

// Every byte keeps the request from counting as stalled; the check's deadline still ends it.
TEST(VersionCheck, ADribblingServerIsCutOffAtTheDeadline) {
  const test::RawHttpServer server(
      "HTTP/1.0 200 OK\r\nServer: slow\r\nX-Pad: " + std::string(40, 'x') + "\r\n\r\n9.0\nhttp://s/d/\n",
      std::chrono::milliseconds(40));
  Hosts hosts;
  hosts.Support = "127.0.0.1:" + std::to_string(server.port());
  const auto result = CheckForUpdate(hosts, "1.0", std::chrono::milliseconds(500));
  EXPECT_EQ(result.outcome, Outcome::kFailed);
  EXPECT_EQ(result.Message, texts::kUpdateCheckFailed.str() + texts::kErrNoAnswer.str());
}

class UpdateHelper : public ::testing::Test {
 protected:
  UpdateHelper() { program = test::CopyProgram("update", app.path()); }
  test::ProgramOutput Run(const std::string& support) {
    app.Write("config.ini", "[Hosts]\r\nSupport=" + support + "\r\n");
    test::ProgramRun run;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) run.env[name] = std::nullopt;
    return test::RunProgram(program, run);
  }

  test::TempDir app;
  std::filesystem::path program;
};

TEST_F(UpdateHelper, SaysWhetherANewerVersionIsOutOrTheCheckFailed) {
  {
    const test::NetsimProcess netsim;
    const auto result = Run(netsim.HostsTable().Support);
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "Вышла новая версия Melvoro: 2.1.0. У вас версия " MELVORO_VERSION
                          ". Скачать её можно здесь: http://" +
                              netsim.HostsTable().Support + "/melvoro/download/\n");
    EXPECT_EQ(netsim.Requests().back().request_line, "GET /melvoro/update/version.txt HTTP/1.0");
  }
  {
    const test::NetsimProcess netsim({"--latest-version", MELVORO_VERSION});
    const auto result = Run(netsim.HostsTable().Support);
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "У вас самая новая версия Melvoro: " MELVORO_VERSION "\n");
  }
  const auto down = Run("127.0.0.1:1");
  EXPECT_EQ(down.exit_code, 1);
  EXPECT_EQ(down.out, "");
  EXPECT_EQ(
      down.err,
      "Не удалось проверить обновления: Не могу открыть соединение. Проверьте подключение к интернету.\n");
}

}  // namespace
}  // namespace melvoro
