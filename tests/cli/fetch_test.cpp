// melvoro-cli fetch as a user runs it: one request, every notification printed.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "support/netsim_process.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

extern char** environ;

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
  // Errors on standard error, the rest of what happened on standard output.
  EXPECT_TRUE(result.out.starts_with("begin\n") && result.out.ends_with("end\n")) << result.out;
  EXPECT_EQ(result.out.find("error"), std::string::npos) << result.out;
  EXPECT_EQ(result.err, "error Неверный ответ сервера - 404\n");
  EXPECT_FALSE(std::filesystem::exists(out));

  result = Fetch({Blob(300'000, "cut"), "--out", out.string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("error Соединение прервалось"), std::string::npos) << result.err;
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
  EXPECT_EQ(result.out, "begin\nend\n");
  EXPECT_EQ(result.err, "error Не могу открыть соединение. Проверьте подключение к интернету.\n");
}

// As closing the window does: the transfer is aborted and its part file goes.
TEST_F(CliFetch, AStopSignalAbortsTheTransferAndLeavesNoPartFile) {
  for (const int signal : {SIGTERM, SIGINT}) {
    const std::string program = BuiltProgram("melvoro-cli").string();
    const std::string out = (dir / "song.mp3").string();
    std::vector<std::string> args = {program, "fetch", Blob(10'000'000) + "&netsim_rate=200000", "--out",
                                     out};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ASSERT_EQ(spawned, 0);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::filesystem::is_empty(dir.path()) && std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const bool part_appeared = !std::filesystem::is_empty(dir.path());
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(part_appeared);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  }
}

}  // namespace
}  // namespace melvoro::test
