// auth against netsim's login host with the demo account, as the demo run uses it.
#include <gtest/gtest.h>

#include <regex>

#include "auth_fixture.h"
#include "support/netsim_process.h"

namespace melvoro {
namespace {

using test::AuthFixture;
using test::NetsimProcess;
using test::ReadFile;

std::string NetsimConfig(const NetsimProcess& netsim) {
  return "[Hosts]\r\nNetwork=" + netsim.Host("network") + "\r\nLogin=" + netsim.Host("login") + "\r\n";
}

TEST(AuthNetsim, DemoAccountLogsInFromAScript) {
  const NetsimProcess netsim;
  const AuthFixture auth;
  auth.Config(NetsimConfig(netsim));

  const auto result = auth.Run({"--login", "--email", "demo@melvoro.test", "--password-stdin"}, "demo\n");
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "Сессия сохранена.\n");  // the cookie itself only for -a

  const auto file = auth.CookieFolder() / ("network.localhost_" + std::to_string(netsim.port()) + ".cookie");
  EXPECT_TRUE(std::regex_match(ReadFile(file), std::regex("remixsid=[0-9a-f]{32}"))) << ReadFile(file);
  EXPECT_EQ(auth.Run({"-a"}).out, ReadFile(file) + "\n");

  const auto requests = netsim.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].request_line.substr(0, 5), "POST ");
  EXPECT_NE(requests[0].request_line.find("/?act=login"), std::string::npos) << requests[0].request_line;
  EXPECT_EQ(requests[0].Header("Host"), netsim.Host("login"));
  EXPECT_EQ(requests[0].body, "email=demo%40melvoro.test&pass=demo");
}

TEST(AuthNetsim, WrongPasswordIsRefusedAndNothingIsSaved) {
  const NetsimProcess netsim;
  const AuthFixture auth;
  auth.Config(NetsimConfig(netsim));

  const auto result = auth.Run({"--login", "--email", "demo@melvoro.test", "--password-stdin"}, "not-demo\n");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("неверный e-mail или пароль"), std::string::npos) << result.err;
  EXPECT_FALSE(std::filesystem::exists(auth.CookieFolder()));
}

}  // namespace
}  // namespace melvoro
