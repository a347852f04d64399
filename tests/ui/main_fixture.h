// A main window on a netsim of its own: config.ini points every host at it, the session
// cookie comes from a fake authorization utility, downloads go to a temporary folder, and
// message boxes and the shell are recorded.
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/os/message_box.h"
#include "core/os/shell.h"
#include "placement_sandbox.h"
#include "qt_seams/qt_ui_thread.h"
#include "support/netsim_process.h"
#include "support/recording_shell.h"
#include "support/temp_dir.h"
#include "ui/main_window/main_window.h"

namespace melvoro::test {

class MainWindowBoxes final : public MessageBoxes {
 public:
  void Show(const std::string& caption, const std::string& text, MessageIcon /*icon*/) override {
    shown.push_back(caption + ": " + text);
  }
  std::vector<std::string> shown;
};

using MainWindowShell = test::RecordingShell;

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  // Builds the engine from config.ini into engine_.
  void BuildEngine();
  // Builds the engine, then creates and shows the window.
  void Open();

  // Types text into the search box (replacing what is there) and presses Enter.
  void Search(const std::string& utf8_query, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Search, then wait until the result rows are laid out.
  void SearchAndWait(const std::string& utf8_query);
  // The result row whose name is utf8_name; fails the test when there is none.
  int RowNamed(const std::string& utf8_name) const;
  void ClickRowName(int n);
  // A fault for every mp3 from now on ("404", "stall", ...); "" disarms.
  void ArmMp3Fault(const std::string& kind);
  // The same for every request whose path starts with path.
  void ArmFault(const std::string& path, const std::string& kind);

  // Names in the download folder.
  std::vector<std::string> Downloads() const;
  // Waits until download-list row index is in state.
  bool WaitForState(int index, DownloadState state, int timeout_ms = 30000) const;
  // Turns the wheel by delta with the pointer at local in widget.
  void Wheel(QWidget* widget, const QPoint& local, int delta);

  PlacementSandbox placement_;
  NetsimProcess netsim_;
  TempDir dir_;
  std::filesystem::path downloads_;
  std::filesystem::path cookies_;
  ui::QtUiThread ui_;
  MainWindowBoxes boxes_;
  MainWindowShell shell_;
  std::unique_ptr<Engine> engine_;
  std::unique_ptr<ui::MainWindow> window_;
  int lists_shown_ = 0;  // result lists laid out since Open
};

}  // namespace melvoro::test
