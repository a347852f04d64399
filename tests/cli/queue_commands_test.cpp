// melvoro-cli search, page, get and play as a user runs them.
#include "cli_fixture.h"
#include "core/os/file_io.h"

namespace melvoro::test {
namespace {

class CliQueue : public CliTest {
 protected:
  CliQueue() {
    WriteConfig("[Melvoro]\r\nThreadsCount=2\r\nUploadDir=" + downloads.path().string() + "/\r\n");
    env = {{"TMPDIR", tmp.path().string()}};
  }

  TempDir downloads, tmp;
};

TEST_F(CliQueue, SearchPrintsEverySongOfThePageCleaned) {
  auto result = Cli({"search", "Оркестр Тишины"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  const auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 2u) << result.out;
  const std::string prefix = "Оркестр Тишиныи Хор Полуночников - Пауза в ре миноре\t61\thttp://cs31." +
                             netsim.Host("storage") + "/u00005/audio/";
  // The performer's line break is gone; the lyrics link around the title is not part of it.
  EXPECT_EQ(lines[1].substr(0, prefix.size()), prefix);

  const auto requests = netsim.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].request_line,
            "GET /gsearch.php?q=%CE%F0%EA%E5%F1%F2%F0%20%D2%E8%F8%E8%ED%FB&section=audio&offset=0 HTTP/1.0");
  EXPECT_EQ(requests[0].Header("Cookie"), "remixsid=cli");

  result = Cli({"search", "Sonya"});
  EXPECT_EQ(Lines(result.out).at(0).substr(0, 38), "Sonya & the Paper Moons - Moon & Back\t");

  // 150 songs on one page: all printed, no cap at 100.
  result = Cli({"search", "Сто Песен"});
  EXPECT_EQ(Lines(result.out).size(), 150u);

  // The marker with no row: nothing, a log line, still a success.
  result = Cli({"search", "zzzz"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "log 5 Ничего не найдено из контакта.\n");
}

TEST_F(CliQueue, PageReadsAnAudioListAndAFailureExitsWithOne) {
  auto result = Cli({"page", "http://" + netsim.Host("network") + "/audio.php"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  // The title ends where its tag does.
  EXPECT_EQ(result.out.substr(0, result.out.find('\t', result.out.find('\t') + 1)),
            "Северный Ветер - Полночный трамвай\t224");
  for (const std::string& line : Lines(result.out)) EXPECT_NE(line.find(".mp3"), std::string::npos) << line;

  result = Cli({"page", "http://" + netsim.Host("network") + "/audio.php?netsim_fault=404"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err, "error Неверный ответ сервера - 404\n");
}

TEST_F(CliQueue, GetDownloadsLooksUpAndEndsEveryRow) {
  const std::string link = Lines(Cli({"search", "Снег над Невой"}).out).at(0);
  const std::string url = link.substr(link.rfind('\t') + 1);
  const auto result =
      Cli({"get", "--link", url, "--name", "AC/DC: Снег?", "Северный Ветер - Дорога домой",
           "Nobody - Nothing", "--link", url + "x", "--name", "Broken", "--link", url, "--name",
           "Glass Otters - 日本 (live)", "--link", url, "--name", "Glass Otters - 中国 (live)"});
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  const auto lines = Lines(result.out);
  EXPECT_EQ(lines.at(0), "row 0 3 AC/DC: Снег?");
  EXPECT_EQ(lines.at(1), "row 0 1 AC/DC: Снег?");  // a free slot: started as it was added
  EXPECT_EQ(lines.at(2), "row 1 4 Северный Ветер - Дорога домой");
  auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("row 0 2 AC/DC: Снег?"));
  EXPECT_TRUE(has("row 1 3 Северный Ветер - Дорога домой"));
  EXPECT_TRUE(has("row 1 2 Северный Ветер - Дорога домой"));
  EXPECT_TRUE(has("row 2 0 Nobody - Nothing"));
  EXPECT_TRUE(has("row 3 6 Broken"));
  EXPECT_TRUE(has("file 0 " + (downloads / "ACDC Снег.mp3").string()));

  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(downloads.path()))
    files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  // Characters the code page lacks keep two names apart, as a browser's form would send them.
  EXPECT_EQ(files, (std::vector<std::string>{"ACDC Снег.mp3", "Glass Otters - &#20013;&#22269; (live).mp3",
                                             "Glass Otters - &#26085;&#26412; (live).mp3",
                                             "Северный Ветер - Дорога домой.mp3"}));
}

TEST_F(CliQueue, GetWithNoTransferSlotEndsAtOnce) {
  const Hosts h = netsim.HostsTable();
  app.Write("config.ini", "[Hosts]\r\nNetwork=" + h.Network + "\r\n[Melvoro]\r\nThreadsCount=0\r\n");
  const auto result = Cli({"get", "Nobody - Nothing"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("error ThreadsCount is 0"), std::string::npos) << result.err;
}

TEST_F(CliQueue, PlayWritesThePlaylistFromTheRowWrappingRound) {
  const auto result = Cli({"play", "Северный ветер", "4"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string path = Lines(result.out).at(0);
  EXPECT_EQ(path.substr(0, tmp.path().string().size() + 2), tmp.path().string() + "/~");
  EXPECT_EQ(path.substr(path.size() - 8), ".~tp.asx");
  const std::string text = ReadWholeFile(path).value();
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 3u + 5 * 3 + 1) << text;
  EXPECT_EQ(lines[0], "<asx version=\"3.0\">\r");
  EXPECT_EQ(lines[1],
            " <title>\xCF\xEE\xE8\xF1\xEA \xD1\xE5\xE2\xE5\xF0\xED\xFB\xE9 \xE2\xE5\xF2\xE5\xF0 (Melvoro "
            "\xE2. " MELVORO_VERSION ")</title>\r");
  // Rows 4, 5, then 1, 2, 3.
  const std::vector<std::string> order = {"\xCE\xF1\xE5\xED\xED\xE8\xE9 \xE1\xEB\xFE\xE7",
                                          "\xD1\xE5\xE2\xE5\xF0\xED\xFB\xE9 \xC2\xE5\xF2\xE5\xF0</title>",
                                          "\xCF\xEE\xEB\xED\xEE\xF7\xED\xFB\xE9", "\xD1\xED\xE5\xE3",
                                          "\xC4\xEE\xF0\xEE\xE3\xE0"};
  for (std::size_t i = 0; i < order.size(); ++i)
    EXPECT_NE(lines[2 + 3 * i].find(order[i]), std::string::npos) << i << ": " << lines[2 + 3 * i];
  EXPECT_EQ(lines.back(), "</asx>\r");
  EXPECT_EQ(text.substr(text.size() - 10), "\r\n</asx>\r\n");

  EXPECT_EQ(Cli({"play", "Северный ветер", "6"}).exit_code, 1);  // only five rows
  EXPECT_EQ(Cli({"play", "Северный ветер", "101"}).exit_code, 2);
}

}  // namespace
}  // namespace melvoro::test
