#include "core/process.h"

#include <signal.h>

#include <gtest/gtest.h>

#include <fstream>

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
  const std::string output = RunAuthUtility(app.path());
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
