// melvoro-cli feedback against netsim: the body printed is the body posted.
#include "cli_fixture.h"

namespace melvoro::test {
namespace {

using CliFeedback = CliTest;

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

  app.Write("config.ini", "[Hosts]\r\nSupport=127.0.0.1:1\r\n");
  result = Cli({"feedback", "--email", "a", "--desc", "b", "--no-log"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "email=a&desc=b\n");
  EXPECT_TRUE(result.err.starts_with("error ")) << result.err;
}

}  // namespace
}  // namespace melvoro::test
