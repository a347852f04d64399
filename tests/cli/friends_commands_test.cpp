// melvoro-cli friends, groups and audio as a user runs them, against netsim.
#include "cli_fixture.h"

namespace melvoro::test {
namespace {

using CliFriends = CliTest;

TEST_F(CliFriends, ListsPrintEntriesInPageOrder) {
  const std::string root = "http://" + netsim.Host("network");
  auto result = Cli({"friends"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "Аня Ветрова\t7\t" + root + "/pictures/u7.jpg");
  EXPECT_EQ(lines[1], "Пётр \"Гром\" Громов\t1234\t" + root + "/pictures/u1234_big.jpeg");
  EXPECT_EQ(lines[4], "Номер <за> пределом\t4294967296\t" + root + "/pictures/cut.jpg");
  EXPECT_EQ(lines[5], "Без номера\t\t" + root + "/pictures/u7.jpg");
  EXPECT_EQ(lines[10], "Коротыш\t559\tx.jp");

  result = Cli({"groups"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Клуб любителей тишины\t15\t" + root + "/pictures/g15.jpg");
  EXPECT_EQ(lines[3], "Rock & Roll\t77\t" + root + "/pictures/not_a_picture.jpg");
}

TEST_F(CliFriends, AudioPrintsTheTitleThenTheSongs) {
  auto result = Cli({"audio", "own"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  auto lines = Lines(result.out);
  EXPECT_EQ(lines.at(0), "title Аудио с моей страницы (Melvoro в. " MELVORO_VERSION ")");
  EXPECT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines.at(1).substr(0, lines[1].find('\t', lines[1].find('\t') + 1)),
            "Северный Ветер - Полночный трамвай\t224");

  result = Cli({"audio", "friend", "7", "Аня Ветрова"});
  lines = Lines(result.out);
  EXPECT_EQ(lines.at(0), "title Аня Ветрова: аудиозаписи (Melvoro в. " MELVORO_VERSION ")");
  EXPECT_EQ(lines.size(), 7u);

  result = Cli({"audio", "group", "2048", "Indie Lounge"});
  lines = Lines(result.out);
  EXPECT_EQ(lines.at(0), "title Аудио в группе Indie Lounge (Melvoro в. " MELVORO_VERSION ")");
  EXPECT_EQ(lines.size(), 10u);
  EXPECT_EQ(netsim.Requests().back().request_line, "GET /audio.php?gid=2048 HTTP/1.0");

  EXPECT_EQ(Cli({"audio", "friend", "4294967296", "x"}).exit_code, 2);
}

TEST_F(CliFriends, AFailedRequestPrintsTheErrorAndExitsWithOne) {
  app.Write("config.ini", "[Hosts]\r\nNetwork=127.0.0.1:1\r\n");
  for (const auto& args : std::vector<std::vector<std::string>>{{"friends"}, {"groups"}, {"audio", "own"}}) {
    const auto result = Cli(args);
    EXPECT_EQ(result.exit_code, 1) << args[0];
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.substr(0, 6), "error ") << result.err;
  }
}

}  // namespace
}  // namespace melvoro::test
