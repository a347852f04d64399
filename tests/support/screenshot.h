// What the documentation's picture programs share: the output folder from the command line, an
// engine against netsim built the way start-up builds it, and saving a window once the screen
// has settled. Each program stages one scene; they run under Xvfb, not in the suite.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "app/engine.h"
#include "core/os/shell.h"
#include "qt_seams/qt_message_boxes.h"
#include "qt_seams/qt_ui_thread.h"
#include "support/netsim_process.h"
#include "support/temp_dir.h"
#include "ui/main_window/main_window.h"

namespace melvoro::test {

// A picture must not start a file manager or a player.
class NoShell final : public Shell {
 public:
  bool Open(const std::string&) override { return true; }
  bool ShowInFolder(const std::string&) override { return true; }
};

// The single argument, the output folder; empty after printing the usage.
QString ScreenshotFolder(int argc, char** argv);

// Waits until the widget is on screen and the screen has settled, then saves its picture as
// folder/name; false, said on stderr, when it could not.
bool SaveScreenshot(QWidget& widget, const QString& folder, const char* name);

// netsim, a config.ini pointing at it in a folder of its own (downloads go there too), and the
// engine start-up builds from it with a stand-in session.
class ScreenshotEngine {
 public:
  ScreenshotEngine();
  Engine& engine() { return engine_; }
  ui::MainWindowSeams MainSeams() { return {boxes_, shell_, dir_ / "cookies"}; }

 private:
  NetsimProcess netsim_;
  TempDir dir_;
  ui::QtUiThread ui_;
  ui::QtMessageBoxes boxes_;
  NoShell shell_;
  Engine engine_;
};

}  // namespace melvoro::test
