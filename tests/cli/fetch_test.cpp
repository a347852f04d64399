// melvoro-cli fetch as a user runs it: one request, every notification printed.
#include <gtest/gtest.h>

#include "support/netsim_process.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace melvoro::test {
namespace {

class CliFetch : public ::testing::Test {
 protected:
  ProgramOutput Fetch(std::vector<std::string> args) {
    args.insert(args.begin(), "fetch");
    return RunProgram(BuiltProgram("melvoro-cli"), {args, "", {}});
  }
  std::string Blob(int bytes, const std::string& fault = "") const {
    return "http://support.localhost:" + std::to_string(netsim.port()) +
           "/_netsim/blob?bytes=" + std::to_string(bytes) + (fault.empty() ? "" : "&netsim_fault=" + fault);
  }

  NetsimProcess netsim;
  TempDir dir;
};

TEST_F(CliFetch, SendsExactlyTheRequestLineAndHeadersOfTheProgram) {
  const auto result = Fetch({"http://network.localhost:" + std::to_string(netsim.port()) + "/audio.php?id=7",
                             "--cookie", "remixsid=0123abc"});
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  const auto requests = netsim.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].request_line, "GET /audio.php?id=7 HTTP/1.0");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Host", "network.localhost:" + std::to_string(netsim.port())},
      {"User-Agent", "Firefox 3.0"},
      {"Content-Type", "application/x-www-form-urlencoded"},
      {"Cookie", "remixsid=0123abc"},
  };
  EXPECT_EQ(requests[0].headers, expected);
  EXPECT_EQ(requests[0].body, "");
}

TEST_F(CliFetch, APostCarriesItsFormBody) {
  const auto result = Fetch({"http://login.localhost:" + std::to_string(netsim.port()) + "/?act=login",
                             "--post", "email=x%40y&pass=z"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(netsim.Requests().at(0).request_line, "POST /?act=login HTTP/1.0");
  EXPECT_EQ(netsim.Requests().at(0).body, "email=x%40y&pass=z");
}

TEST_F(CliFetch, ASmallBodyNeverReportsAbove100) {
  const auto result = Fetch({Blob(500)});
  EXPECT_EQ(result.exit_code, 0);
  // The early report is capped; the final one is always there.
  EXPECT_TRUE(result.out == "begin\nprogress 100\nprogress 100\ndone 200 500\nend\n" ||
              result.out == "begin\nprogress 100\ndone 200 500\nend\n")
      << result.out;
}

TEST_F(CliFetch, ErrorPagesAndCutBodiesLeaveNoFile) {
  const auto out = dir / "song.mp3";
  auto result = Fetch({Blob(5000, "404"), "--out", out.string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.out.find("\nerror Неверный ответ сервера - 404\nend\n"), std::string::npos) << result.out;
  EXPECT_FALSE(std::filesystem::exists(out));

  result = Fetch({Blob(300'000, "cut"), "--out", out.string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.out.find("error Соединение прервалось"), std::string::npos) << result.out;
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(CliFetch, UnknownAndZeroLengthsSucceed) {
  auto result = Fetch({Blob(3000, "nolength")});
  EXPECT_EQ(result.out, "begin\nprogress 100\ndone 200 3000\nend\n");
  result = Fetch({Blob(3000, "zerolength")});
  EXPECT_EQ(result.out, "begin\nprogress 100\ndone 200 0\nend\n");
  EXPECT_EQ(result.exit_code, 0);
}

TEST_F(CliFetch, DownloadsIntoTheFileAndCountsTheBytes) {
  const auto out = dir / "Песня.mp3";
  const auto result = Fetch({Blob(2'000'000), "--out", out.string()});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_NE(result.out.find("done 200 2000000\nend\n"), std::string::npos) << result.out;
  EXPECT_EQ(std::filesystem::file_size(out), 2'000'000u);
}

TEST_F(CliFetch, NoServerIsAConnectionError) {
  const auto result = Fetch({"http://127.0.0.1:1/"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, "begin\nerror Не могу открыть соединение. Проверьте подключение к интернету.\nend\n");
}

}  // namespace
}  // namespace melvoro::test
