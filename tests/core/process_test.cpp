#include "core/os/process.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "app/startup.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteScript;

TEST(RunAuthUtility, RunsAuthWithDashAAndConvertsItsOutput) {
  const TempDir app;
  WriteScript(app / "auth",
              "printf '%s|' \"$@\"; read line; printf 'stdin=[%s] ' \"$line\"\n"
              "echo 'to stderr' >&2\nprintf 'remixsid=Привет\\r\\n'\n");
  EXPECT_EQ(RunAuthUtility(app.path()), "-a|stdin=[] remixsid=\xCF\xF0\xE8\xE2\xE5\xF2\r\n");
}

TEST(RunAuthUtility, MissingOrUnstartableProgramGivesEmptyText) {
  const TempDir app;
  EXPECT_EQ(RunAuthUtility(app.path()), "");
  app.Write("auth", "#!/bin/sh\necho remixsid=1\n");  // not executable
  EXPECT_EQ(RunAuthUtility(app.path()), "");
  const ProcessResult result = RunProcess(app / "auth", {});
  EXPECT_FALSE(result.Started);
}

// An error message that mentions the word is no cookie, nor is a run cut off by a signal or
// an output no cookie could be.
TEST(RunAuthUtility, AFailedKilledOrOverlongRunIsNoSession) {
  const TempDir app;
  for (const std::string body :
       {"echo 'auth: cannot refresh remixsid session'\nexit 1\n", "echo remixsid=1\nkill -9 $$\n",
        "head -c 100000 /dev/zero | tr '\\0' 'x'\necho remixsid=1\n"}) {
    WriteScript(app / "auth", body);
    EXPECT_EQ(RunAuthUtility(app.path()), "") << body;
  }
  WriteScript(app / "exact", "printf 0123456789\n");
  const ProcessResult exact = RunProcess(app / "exact", {}, 10);
  EXPECT_EQ(exact.Output, "0123456789");
  EXPECT_FALSE(exact.OutputCut);
  const ProcessResult cut = RunProcess(app / "exact", {}, 4);
  EXPECT_EQ(cut.Output, "0123");
  EXPECT_TRUE(cut.OutputCut);
}

// A helper waiting at its login dialog must not outlive a program that a signal ended.
TEST(RunProcess, TheProgramEndsWithItsCaller) {
  const TempDir app;
  WriteScript(app / "wait",
              "echo $$ > \"$(dirname \"$0\")/helper.tmp\"\n"
              "mv \"$(dirname \"$0\")/helper.tmp\" \"$(dirname \"$0\")/helper.pid\"\nexec sleep 600\n");
  const pid_t caller = fork();
  ASSERT_GE(caller, 0);
  if (caller == 0) {
    RunProcess(app / "wait", {});
    _exit(0);
  }
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!std::filesystem::exists(app / "helper.pid") && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const pid_t helper = std::stoi(ReadFile(app / "helper.pid"));
  kill(caller, SIGTERM);
  int status = 0;
  waitpid(caller, &status, 0);
  const auto ended = [helper] {
    std::ifstream stat("/proc/" + std::to_string(helper) + "/stat");
    std::string pid, name, state;
    return !(stat >> pid >> name >> state) || state == "Z";  // gone, or a zombie nobody reaped yet
  };
  while (!ended() && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const bool helper_ended = ended();
  if (!helper_ended) kill(helper, SIGKILL);
  EXPECT_TRUE(helper_ended);
}

TEST(RaiseDescriptorLimit, RaisesTheSoftLimitButNotForProgramsItStarts) {
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &old), 0);
  if (old.rlim_max <= 256) GTEST_SKIP() << "hard limit " << old.rlim_max;
  rlimit low = old;
  low.rlim_cur = 256;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  RaiseDescriptorLimit();
  rlimit now{};
  getrlimit(RLIMIT_NOFILE, &now);
  const TempDir app;
  WriteScript(app / "limit", "ulimit -n\n");
  const std::string child = RunProcess(app / "limit", {}).Output;
  setrlimit(RLIMIT_NOFILE, &old);
  EXPECT_EQ(now.rlim_cur, old.rlim_max);
  EXPECT_EQ(child, "256\n");
}

TEST(RunProcess, LongOutputIsReadWhileTheProgramRuns) {
  const TempDir app;
  WriteScript(app / "big", "head -c 3000000 /dev/zero | tr '\\0' 'x'\necho end\nexit 7\n");
  const ProcessResult result = RunProcess(app / "big", {});
  EXPECT_TRUE(result.Started);
  EXPECT_EQ(result.ExitCode, 7);
  ASSERT_EQ(result.Output.size(), 3000004u);
  EXPECT_EQ(result.Output.find_first_not_of('x'), 3000000u);
  EXPECT_EQ(result.Output.substr(3000000), "end\n");
}

// A descendant that keeps standard output open must not hold the caller up, nor cost any of
// what the program itself wrote, even right before it ended.
TEST(RunProcess, ReturnsWhenTheProgramEndsThoughADescendantHoldsThePipe) {
  const TempDir app;
  WriteScript(app / "auth",
              "sleep 600 &\necho $! > \"$(dirname \"$0\")/sleeper.pid\"\n"
              "head -c 200000 /dev/zero | tr '\\0' 'y'\nprintf 'remixsid=1\\n'\n");
  const std::string output = RunProcess(app / "auth", {}).Output;
  const pid_t sleeper = std::stoi(ReadFile(app / "sleeper.pid"));
  const bool still_running = kill(sleeper, 0) == 0;
  kill(sleeper, SIGKILL);
  EXPECT_TRUE(still_running);
  EXPECT_EQ(output.size(), 200000u + 11u);
  EXPECT_EQ(output.substr(200000), "remixsid=1\n");
}

TEST(RunProcess, ProgramThatClosesItsOutputEarlyIsStillWaitedFor) {
  const TempDir app;
  WriteScript(app / "quiet", "echo first\nexec >&-\nsleep 0.2\ntouch \"$(dirname \"$0\")/done\"\nexit 3\n");
  const ProcessResult result = RunProcess(app / "quiet", {});
  EXPECT_EQ(result.Output, "first\n");
  EXPECT_EQ(result.ExitCode, 3);
  EXPECT_TRUE(std::filesystem::exists(app / "done"));
}

TEST(RunProcess, IgnoredSigpipeIsNotPassedOn) {
  const TempDir app;
  // A writer that inherits an ignored SIGPIPE complains of a broken pipe; by default it just ends.
  WriteScript(app / "pipe", "yes 2>\"$(dirname \"$0\")/yes.err\" | head -c 3 >/dev/null\n");
  struct sigaction ignore {
  }, old{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &ignore, &old);
  const ProcessResult result = RunProcess(app / "pipe", {});
  sigaction(SIGPIPE, &old, nullptr);
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(ReadFile(app / "yes.err"), "");
}

}  // namespace
}  // namespace melvoro
