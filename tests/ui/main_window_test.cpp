// The program's start and end, and the main window's top bar.
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "main_fixture.h"
#include "support/program_run.h"
#include "ui/main_window/singles_page.h"

namespace melvoro::test {
namespace {

TEST(MainProgramTest, WithoutASessionTheProgramEndsSilently) {
  TempDir dir;
  const auto program = CopyProgram("melvoro", dir.path());
  // An authorization utility that prints no session cookie.
  WriteScript(dir / "auth", "#!/bin/sh\necho 'no session'\n");
  const ProgramOutput out = RunProgram(program, {{}, "", {{"QT_QPA_PLATFORM", "offscreen"}}});
  EXPECT_EQ(out.exit_code, 3);
  EXPECT_EQ(out.out, "");
  EXPECT_EQ(out.err.find("QWidget"), std::string::npos) << out.err;
}

TEST(MainProgramTest, ATerminateRequestClosesTheWindowAndEndsCleanly) {
  TempDir dir;
  const auto program = CopyProgram("melvoro", dir.path());
  // The utility hands out a session, then asks the program (its parent) to stop once it runs.
  WriteScript(dir / "auth", "#!/bin/sh\n(sleep 3; kill -TERM $PPID) >/dev/null 2>&1 &\necho remixsid=0123\n");
  const std::string config = (dir / "config").string();
  const ProgramOutput out = RunProgram(
      program,
      {{}, "", {{"QT_QPA_PLATFORM", "offscreen"}, {"XDG_CONFIG_HOME", config}, {"XDG_DATA_HOME", config}}});
  EXPECT_EQ(out.exit_code, 0) << out.err;
  // It went the way of a closed window: the placement was saved on the way out.
  std::string saved;
  for (const auto& file : std::filesystem::recursive_directory_iterator(config))
    saved += ReadFile(file.path());
  EXPECT_NE(saved.find("main\\Width"), std::string::npos) << saved;
}

TEST_F(MainWindowTest, TheTopBarOpensTheSettingsAndLogsOut) {
  Open();
  QWidget settings;
  window_->SetSettingsWindow(&settings);
  auto* settings_button = window_->findChild<QToolButton*>("SpeedButton1");
  ASSERT_NE(settings_button, nullptr);
  QTest::mouseClick(settings_button, Qt::LeftButton);
  EXPECT_TRUE(settings.isVisible());
  EXPECT_TRUE(settings_button->toolTip().startsWith(QString::fromUtf8("Открыть окно настроек")));

  // The saved sessions of the network and its login host go; other files stay.
  const Hosts hosts = netsim_.HostsTable();
  std::ofstream(cookies_ / ("cookie-" + HostWord(hosts.Network))) << "remixsid=1";
  std::ofstream(cookies_ / ("cookie-" + std::string(HostWithoutPort(hosts.Login)))) << "remixsid=2";
  std::ofstream(cookies_ / "unrelated") << "keep";
  QSignalSpy closed(window_.get(), &ui::MainWindow::Closed);
  QTest::mouseClick(window_->findChild<QToolButton*>("SpeedButton4"), Qt::LeftButton);
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(window_->isVisible());
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(cookies_))
    left.push_back(entry.path().filename());
  EXPECT_EQ(left, std::vector<std::string>{"unrelated"});
  EXPECT_TRUE(boxes_.shown.empty());
}

}  // namespace
}  // namespace melvoro::test
