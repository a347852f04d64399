// Window placement: saved per name, applied only when complete.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QWidget>
#include <filesystem>
#include <string>

#include "placement_sandbox.h"
#include "seam_wait.h"
#include "support/program_run.h"
#include "support/temp_dir.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/window_placement.h"

namespace melvoro {
namespace {

using test::PlacementSandbox;
using test::WaitUntil;

void Store(const QString& name, const QStringList& keys, const QVariantList& values) {
  QSettings settings = PlacementSandbox::Stored();
  settings.beginGroup("forms/" + name);
  for (qsizetype i = 0; i < keys.size(); ++i) settings.setValue(keys[i], values[i]);
}

TEST(Placement, SavedBoundsComeBackUnderTheirNameOnly) {
  const PlacementSandbox sandbox;
  QWidget window;
  window.move(120, 80);
  window.resize(500, 300);
  ui::SavePlacement(window, "main");

  QSettings stored = PlacementSandbox::Stored();
  EXPECT_EQ(stored.value("forms/main/Left").toInt(), 120);
  EXPECT_EQ(stored.value("forms/main/Top").toInt(), 80);
  EXPECT_EQ(stored.value("forms/main/Width").toInt(), 500);
  EXPECT_EQ(stored.value("forms/main/Height").toInt(), 300);
  EXPECT_EQ(stored.value("forms/main/Maximized").toInt(), 0);
  // The organisation's settings file in the sandbox, not the user's.
  EXPECT_TRUE(std::filesystem::exists(sandbox.Dir() / "Malvoro.conf"));

  QWidget other;
  other.move(10, 20);
  other.resize(200, 100);
  ui::LoadPlacement(other, "log");  // nothing saved under this name
  EXPECT_EQ(other.pos(), QPoint(10, 20));
  EXPECT_EQ(other.size(), QSize(200, 100));
  ui::LoadPlacement(other, "main");
  EXPECT_EQ(other.pos(), QPoint(120, 80));
  EXPECT_EQ(other.size(), QSize(500, 300));
  EXPECT_FALSE(other.windowState() & Qt::WindowMaximized);
}

TEST(Placement, AWindowLargerThanTheScreenShrinksOntoIt) {
  // The main window at scale 2 on 1280 x 800: 640 x 400 to lay out in.
  const QRect area(0, 0, 640, 400);
  QWidget window;
  window.setMinimumSize(585, 636);
  window.resize(585, 636);
  window.move(300, 200);
  window.show();
  ui::KeepWithin(window, area);
  const QSize shrunk = window.size();
  EXPECT_EQ(shrunk.width(), 585);
  EXPECT_EQ(window.frameGeometry().height(), 400);
  EXPECT_TRUE(area.contains(window.frameGeometry()));

  // One that fits stays where and as it is.
  window.move(10, 20);
  ui::KeepWithin(window, QRect(0, 0, 1280, 800));
  EXPECT_EQ(window.pos(), QPoint(10, 20));
  EXPECT_EQ(window.size(), shrunk);
}

TEST(Placement, IncompleteOrDamagedValuesLeaveTheDesignedPlacement) {
  const PlacementSandbox sandbox;
  Store("four", {"Left", "Top", "Width", "Height"}, {1, 2, 300, 400});
  Store("text", {"Left", "Top", "Width", "Height", "Maximized"}, {1, "top", 300, 400, 0});
  Store("empty", {"Left", "Top", "Width", "Height", "Maximized"}, {1, 2, 0, 400, 0});
  for (const char* name : {"four", "text", "empty"}) {
    QWidget window;
    window.move(30, 40);
    window.resize(250, 150);
    ui::LoadPlacement(window, name);
    EXPECT_EQ(window.pos(), QPoint(30, 40)) << name;
    EXPECT_EQ(window.size(), QSize(250, 150)) << name;
  }
}

TEST(Placement, AWindowClosedMaximizedReopensMaximizedOverItsMaximizedBounds) {
  const PlacementSandbox sandbox;
  QRect maximized;
  {
    QWidget window;
    window.resize(300, 200);
    window.showMaximized();
    ASSERT_TRUE(WaitUntil([&] { return window.isMaximized() && window.width() > 300; }, 5000));
    maximized = QRect(window.pos(), window.size());
    ui::SavePlacement(window, "main");
  }
  EXPECT_EQ(PlacementSandbox::Stored().value("forms/main/Maximized").toInt(), 1);

  QWidget window;
  window.resize(300, 200);
  ui::LoadPlacement(window, "main");
  EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
  window.show();
  window.showNormal();
  ASSERT_TRUE(WaitUntil([&] { return !window.isMaximized(); }, 5000));
  EXPECT_EQ(window.size(), maximized.size());
}

// A screen in memory with a window manager that frames its windows.
class FramedScreen {
 public:
  FramedScreen() {
    server_.start(QStringLiteral("Xvfb"),
                  {"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
    // Generous: a loaded machine may take long to start the server and its keymap.
    if (!server_.waitForReadyRead(30000)) {
      failure_ = "Xvfb told no display";
      return;
    }
    display_ = ":" + QString::fromUtf8(server_.readLine()).trimmed();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    manager_.setProcessEnvironment(env);
    manager_.setStandardOutputFile(QProcess::nullDevice());
    manager_.setStandardErrorFile(QProcess::nullDevice());
    manager_.start(QStringLiteral("openbox"), {"--sm-disable"});
    // A window mapped before the manager runs gets no frame.
    int starts = 1;
    const bool managing = WaitUntil(
        [&] {
          // Once in a CI run it never came up: a manager that ended early gets one more start.
          if (manager_.state() == QProcess::NotRunning && starts < 2) {
            ++starts;
            manager_.start(QStringLiteral("openbox"), {"--sm-disable"});
          }
          QProcess probe;
          probe.setProcessEnvironment(env);
          probe.start(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"});
          return probe.waitForFinished(5000) && probe.readAll().contains("window id");
        },
        30000);
    if (!managing) {
      failure_ = "openbox did not start managing " + display_.toStdString() + " (started " +
                 std::to_string(starts) + " times)";
      display_.clear();
    }
  }
  ~FramedScreen() {
    for (QProcess* process : {&manager_, &server_}) {
      process->terminate();
      if (!process->waitForFinished(5000)) process->kill();
    }
  }
  const QString& Display() const { return display_; }
  const std::string& Failure() const { return failure_; }

 private:
  QProcess server_, manager_;
  QString display_;
  std::string failure_;
};

TEST(Placement, TheMainWindowStaysPutOverStartsUnderAWindowManager) {
  for (const char* tool : {"Xvfb", "openbox", "xprop"})
    if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << "no " << tool;
  const FramedScreen screen;
  ASSERT_FALSE(screen.Display().isEmpty()) << screen.Failure();
  const test::TempDir dir;
  const auto program = test::CopyProgram("melvoro", dir.path());
  // Hands out a session, then closes the program as the session's end would, once the manager
  // has framed its window and Qt has heard of the frame.
  test::WriteScript(dir / "auth",
                    "#!/bin/sh\n(for i in $(seq 100); do xprop -root _NET_CLIENT_LIST | grep -q 0x && break; "
                    "sleep 0.1; done; sleep 1; kill -TERM $PPID) >/dev/null 2>&1 &\necho remixsid=0123\n");
  const std::string config = (dir / "config").string();
  std::vector<QPoint> corners;
  for (int start = 0; start < 3; ++start) {
    const test::ProgramOutput out = test::RunProgram(program, {{},
                                                               "",
                                                               {{"QT_QPA_PLATFORM", "xcb"},
                                                                // libdbus keeps a buffer at exit
                                                                {"ASAN_OPTIONS", "detect_leaks=0"},
                                                                {"DISPLAY", screen.Display().toStdString()},
                                                                {"XDG_CONFIG_HOME", config},
                                                                {"XDG_DATA_HOME", config}}});
    ASSERT_EQ(out.exit_code, 0) << out.err;
    const QSettings saved(QString::fromStdString(config + "/Malvoro.conf"), QSettings::IniFormat);
    // A missing key would read as 0 on every start and pass for a window that stayed put.
    ASSERT_TRUE(saved.contains("forms/main/Left") && saved.contains("forms/main/Top")) << "start " << start;
    corners.emplace_back(saved.value("forms/main/Left").toInt(), saved.value("forms/main/Top").toInt());
  }
  EXPECT_EQ(corners[1], corners[0]);
  EXPECT_EQ(corners[2], corners[0]);
}

}  // namespace
}  // namespace melvoro
