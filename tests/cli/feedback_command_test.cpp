// melvoro-cli feedback against netsim: the body printed is the body posted.
#include <gtest/gtest.h>

#include "support/netsim_process.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace melvoro::test {
namespace {

class CliFeedback : public ::testing::Test {
 protected:
  CliFeedback() {
    cli = CopyProgram("melvoro-cli", app.path());
    WriteScript(app / "auth", "[ \"$1\" = -a ] && echo remixsid=cli\n");
    SetSupport(netsim.HostsTable().Support);
  }
  void SetSupport(const std::string& host) { app.Write("config.ini", "[Hosts]\r\nSupport=" + host + "\r\n"); }
  ProgramOutput Cli(std::vector<std::string> args) {
    ProgramRun run;
    run.args = std::move(args);
    return RunProgram(cli, run);
  }

  NetsimProcess netsim;
  TempDir app;
  std::filesystem::path cli;
};

TEST_F(CliFeedback, PrintsThePostedBodyThenHowItWent) {
  auto result = Cli({"feedback", "--email", "a@b.ru", "--desc", "Не <качает> & всё"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string body =
      "email=a%40b.ru&desc=%CD%E5%20%3C%EA%E0%F7%E0%E5%F2%3E%20%26%20%E2%F1%B8"
      "&log=%3Ctable%3E%3C%2Ftable%3E";
  EXPECT_EQ(result.out, body + "\ndone\n");
  EXPECT_EQ(netsim.Requests().back().request_line, "POST /melvoro/feedback/send/index.php HTTP/1.0");
  EXPECT_EQ(netsim.Requests().back().body, body);

  result = Cli({"feedback", "--no-log", "--email", "", "--desc", ""});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "email=&desc=\ndone\n");
  EXPECT_EQ(netsim.Requests().back().body, "email=&desc=");

  EXPECT_EQ(Cli({"feedback", "--email", "a"}).exit_code, 2);

  SetSupport("127.0.0.1:1");
  result = Cli({"feedback", "--email", "a", "--desc", "b", "--no-log"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(result.out.starts_with("email=a&desc=b\nerror ")) << result.out;
}

}  // namespace
}  // namespace melvoro::test
