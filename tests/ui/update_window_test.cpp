// The update window: a complete download swaps through the script, "Отмена" restarts.
#include <gtest/gtest.h>

#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/engine.h"
#include "downloads/download_queue.h"
#include "qt_seams/qt_ui_thread.h"
#include "seam_wait.h"
#include "support/recording_boxes.h"
#include "support/recording_shell.h"
#include "support/temp_dir.h"
#include "ui/update/update_window.h"
#include "update/update_script.h"

namespace melvoro {
namespace {

using test::RecordingShell;
using test::WaitUntil;

Configuration Configure(const test::TempDir& dir) {
  Configuration config;
  config.Settings.Set("cookie", "remixsid=1");
  config.Settings.Set("UploadDir", dir.path().string() + "/");
  return config;
}

class UpdateWindowTest : public ::testing::Test {
 protected:
  UpdateWindowTest() : engine(Configure(dir), ui, boxes) { setenv("TMPDIR", dir.path().c_str(), 1); }
  ~UpdateWindowTest() override { unsetenv("TMPDIR"); }

  test::TempDir dir;
  ui::QtUiThread ui;
  test::RecordingBoxes boxes;
  Engine engine;
  RecordingShell shell;
  int ended = 0;
  ui::UpdateWindow window{shell, engine.Queue(), boxes, "/opt/melvoro/melvoro", [this] { ++ended; }};
};

TEST_F(UpdateWindowTest, CompleteDownloadStartsTheScriptGivesBackItsEntryAndEnds) {
  engine.Queue().QueueAlbumTracks({"melvoro"}, "Melvoro", "2.1.0", dir.path().string() + "/");
  ASSERT_FALSE(engine.Queue().AlbumEntry(1).Free);
  window.NewExePath = "/tmp/new/melvoro";
  window.UpdateSlot = 1;
  window.SetProgressText("57 %");
  window.Timer()->start();
  ASSERT_TRUE(WaitUntil([&] { return window.ProgressBar()->value() == 57; }));

  window.SetProgressIcon(2);
  ASSERT_TRUE(WaitUntil([&] { return ended == 1; }));
  EXPECT_FALSE(window.Timer()->isActive());
  EXPECT_FALSE(window.CancelButton()->isEnabled());
  EXPECT_EQ(window.ProgressBar()->value(), 100);
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(test::ReadFile(shell.opened[0]), UpdateScript("/tmp/new/melvoro", "/opt/melvoro/melvoro"));
  EXPECT_TRUE(engine.Queue().AlbumEntry(1).Free);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(UpdateWindowTest, ANewFileWhosePathTheScriptWouldMisreadIsNotStarted) {
  window.NewExePath = "/tmp/new\" & rm -rf ~ & \"";
  window.SetProgressIcon(2);
  window.Timer()->start();
  ASSERT_TRUE(WaitUntil([&] { return !boxes.shown.empty(); }));
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_EQ(ended, 0);
  EXPECT_TRUE(window.CancelButton()->isEnabled());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(UpdateWindowTest, CancelStartsTheProgramAnewThenEnds) {
  QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(shell.opened, std::vector<std::string>{"/opt/melvoro/melvoro"});
  EXPECT_EQ(ended, 1);
}

}  // namespace
}  // namespace melvoro
