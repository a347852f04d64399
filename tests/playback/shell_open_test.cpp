#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/log/program_log.h"
#include "core/os/system_shell.h"
#include "core/text/cp1251.h"
#include "playback/shell_open.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

std::string W(std::u8string_view s) {
  return Utf8ToCp1251({reinterpret_cast<const char*>(s.data()), s.size()});
}

// A program that appends its arguments, one a line, to <path>.args and exits with code.
std::filesystem::path Fake(const test::TempDir& dir, const std::string& name, int code) {
  test::WriteScript(dir / name, "for a in \"$@\"; do echo \"$a\" >> \"$0.args\"; done\nexit " +
                                    std::to_string(code) + "\n");
  return dir / name;
}

std::string Args(const test::TempDir& dir, const std::string& name) {
  return test::ReadFile(dir / (name + ".args"));
}

TEST(SystemShell, OpenPassesTheTargetInUtf8AndSucceedsOnlyOnExitZero) {
  const test::TempDir dir;
  EXPECT_TRUE(SystemShell(Fake(dir, "ok", 0), "none").Open(W(u8"/музыка/Кино.mp3")));
  EXPECT_EQ(Args(dir, "ok"), "/музыка/Кино.mp3\n");
  EXPECT_FALSE(SystemShell(Fake(dir, "fails", 4), "none").Open("http://a/"));
  EXPECT_FALSE(SystemShell(dir / "missing", "none").Open("/x"));

  // What the programs print stays off the terminal; the caller logs the failure.
  test::WriteScript(dir / "noisy", "echo out-noise; echo err-noise >&2; exit 3\n");
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(SystemShell(dir / "noisy", dir / "noisy").ShowInFolder("/srv/b/c.mp3"));
  EXPECT_EQ(testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr(), "");

  // A bare name is found on $PATH.
  const std::string path = std::getenv("PATH");
  setenv("PATH", ("/nonexistent::" + dir.path().string()).c_str(), 1);
  const bool found = SystemShell("ok", "none").Open("http://a/");
  setenv("PATH", path.c_str(), 1);
  EXPECT_TRUE(found);
}

TEST(SystemShell, ShowInFolderAsksTheFileManagerOverDBus) {
  const test::TempDir dir;
  EXPECT_TRUE(
      SystemShell(Fake(dir, "opener", 0), Fake(dir, "sender", 0)).ShowInFolder(W(u8"/srv/Мой/a,b #1%.mp3")));
  EXPECT_EQ(Args(dir, "sender"),
            "--session\n--print-reply\n--dest=org.freedesktop.FileManager1\n/org/freedesktop/FileManager1\n"
            "org.freedesktop.FileManager1.ShowItems\narray:string:file:///srv/%D0%9C%D0%BE%D0%B9/"
            "a%2Cb%20%231%25.mp3\n"
            "string:\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "opener.args"));
}

TEST(SystemShell, ShowInFolderOpensTheFolderWhenNoFileManagerAnswers) {
  const test::TempDir dir;
  EXPECT_TRUE(
      SystemShell(Fake(dir, "opener", 0), Fake(dir, "sender", 1)).ShowInFolder(W(u8"/srv/Музыка/a.mp3")));
  EXPECT_TRUE(SystemShell(Fake(dir, "opener", 0), dir / "missing").ShowInFolder("/srv/b/c.mp3"));
  EXPECT_EQ(Args(dir, "opener"), "/srv/Музыка\n/srv/b\n");
  EXPECT_FALSE(SystemShell(Fake(dir, "fails", 2), dir / "missing").ShowInFolder("/srv/b/c.mp3"));
}

class FakeShell final : public Shell {
 public:
  explicit FakeShell(bool opens) : opens_(opens) {}
  bool Open(const std::string&) override { return opens_; }
  bool ShowInFolder(const std::string&) override { return opens_; }

 private:
  bool opens_;
};

TEST(ShellOpen, OnlyAFailureIsLoggedAndItNamesTheProgramToInstall) {
  ProgramLog log;
  FakeShell works(true), fails(false);
  EXPECT_TRUE(ShellOpen(works, log, "http://a/"));
  EXPECT_TRUE(ShellShowInFolder(works, log, "/tmp/a.mp3"));
  EXPECT_EQ(log.Count(), 0u);
  EXPECT_FALSE(ShellShowInFolder(fails, log, "/tmp/b.mp3"));
  ASSERT_EQ(log.Count(), 1u);
  EXPECT_EQ(log.At(0).Description, W(u8"Не удалось открыть папку: нет файлового менеджера"));
  EXPECT_NE(log.At(0).Details.find("/tmp/b.mp3"), std::string::npos);
  EXPECT_FALSE(ShellOpen(fails, log, "/tmp/x.asx"));
  ASSERT_EQ(log.Count(), 2u);
  EXPECT_EQ(log.At(0).Icon, kLogError);
  const std::string& details = log.At(0).Details;
  EXPECT_EQ(log.At(0).Description, W(u8"Не удалось открыть песню: нет программы для её проигрывания"));
  EXPECT_NE(details.find(W(u8"Установите медиаплеер")), std::string::npos);
  EXPECT_NE(details.find("Linux"), std::string::npos);
  EXPECT_EQ(details.find(W(u8"Панель управления")), std::string::npos);
  EXPECT_TRUE(details.ends_with("\r\n\r\n/tmp/x.asx"));  // the log shows line feeds as CR LF
}

TEST(ShellOpen, TheProgramNeededFollowsTheTarget) {
  const test::TempDir dir;
  EXPECT_EQ(ProgramFor("http://example.invalid/support"), OpenProgram::Browser);
  EXPECT_EQ(ProgramFor(dir.path().string()), OpenProgram::FileManager);
  EXPECT_EQ(ProgramFor((dir / "song.mp3").string()), OpenProgram::MediaPlayer);
  EXPECT_NE(OpenFailureMessage(OpenProgram::FileManager).find(W(u8"файловый менеджер")), std::string::npos);
}

}  // namespace
}  // namespace melvoro
