// melvoro-cli stations and charts against netsim: UTF-8 out, one entry a line.
#include "cli_fixture.h"
#include "support/raw_http_server.h"

namespace melvoro::test {
namespace {

using CliCharts = CliTest;

TEST_F(CliCharts, StationsAndChartsPrintOneEntryALine) {
  auto result = Cli({"stations", "msk"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 55u);
  EXPECT_EQ(lines[0], "DFM - FM_101.2");
  EXPECT_EQ(lines[54], "Сити-FM - FM_87.9");
  EXPECT_EQ(Lines(Cli({"stations", "spb"}).out).size(), 24u);

  result = Cli({"charts", "spb", "Наше Радио - FM_104.0"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(netsim.Requests().back().request_line, "GET /stations/FM_104.0/top100 HTTP/1.0");
  lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[1], "Zoe Marchetti Cafe Uberall");

  result = Cli({"charts", "msk"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(netsim.Requests().back().request_line, "GET /charts/top100 HTTP/1.0");
  EXPECT_EQ(netsim.Requests().back().Header("Host"), netsim.Host("radiomsk"));

  result = Cli({"charts", "lastfm", "Glass Otters"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  lines = Lines(result.out);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Glass Otters Paper Lanterns");
  EXPECT_EQ(lines[1], "Glass Otters Slow Orbit");
}

TEST_F(CliCharts, AFailedRequestPrintsTheErrorAndTextWithoutACodeSendsNothing) {
  auto result = Cli({"charts", "msk", "Nowhere - FM_1.0"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "error Неверный ответ сервера - 404\n");

  result = Cli({"charts", "lastfm", "Nobody Known"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err, "error Неверный ответ сервера - 400\n");

  const std::size_t requests = netsim.Requests().size();
  result = Cli({"charts", "msk", "Наше Радио"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(netsim.Requests().size(), requests);
  EXPECT_EQ(Cli({"charts", "kiev"}).exit_code, 2);
}

TEST_F(CliCharts, APageTooCostlyToReadIsLoggedAndAnErrorWhenNothingWasFound) {
  const std::string page = "HTTP/1.0 200 OK\r\n\r\n<a class=\"song\">x</a>" + std::string(2 << 20, ' ') +
                           "<a class=\"artist\">y</a>";
  const RawHttpServer server(page);
  app.Write("config.ini", "[Hosts]\r\nRadioMsk=127.0.0.1:" + std::to_string(server.port()) + "\r\n");
  const auto result = Cli({"charts", "msk"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "");
  const std::string said = "Страница слишком сложна для разбора, разобрано начало. Найдено песен: 0\n";
  EXPECT_EQ(result.err, "log 3 " + said + "error " + said);
}

}  // namespace
}  // namespace melvoro::test
