// melvoro: the desktop program. Its windows are built once (ProgramWindows); closing the main
// window ends the program.
#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <csignal>

#include "app/engine.h"
#include "app/startup.h"
#include "core/os/os_path.h"
#include "core/os/user_folders.h"
#include "core/text/texts.h"
#include "qt_seams/qt_message_boxes.h"
#include "qt_seams/qt_shell.h"
#include "qt_seams/qt_text.h"
#include "qt_seams/qt_translation.h"
#include "qt_seams/qt_ui_thread.h"
#include "session/cookie_folder.h"
#include "ui/main_window/main_window.h"
#include "ui/program_windows.h"
#include "ui/widgets/quit_on_signal.h"

namespace {

// Without a session the program ends before any window shows, as the console front does.
constexpr int kExitNoSession = 3;

}  // namespace

int main(int argc, char** argv) {
  // A peer that closes early must fail a write, not kill the process.
  std::signal(SIGPIPE, SIG_IGN);
  QApplication app(argc, argv);
  melvoro::ui::LoadQtTranslation(app);
  // The program's title, as the desktop lists it; window captions stay as each window sets them
  // (a display name would be appended to every one of them).
  QApplication::setApplicationName(melvoro::ui::ToQString(melvoro::texts::kAppTitle));
  // The menu entry's icon when installed, else the copy built in; the desktop file name lets a
  // Wayland compositor match the windows to the menu entry.
  QApplication::setWindowIcon(
      QIcon::fromTheme(QStringLiteral("melvoro"), QIcon(QStringLiteral(":/melvoro.png"))));
  QGuiApplication::setDesktopFileName(QStringLiteral("net.melvoro.melvoro"));
  // The main window ends the program, not the last window to close.
  QApplication::setQuitOnLastWindowClosed(false);

  // Declared before the engine and the windows, so it outlives them.
  melvoro::ui::QtUiThread ui;
  melvoro::ui::QtMessageBoxes boxes;
  // xdg-open tells whether the desktop has a program for a file; without it Qt tries its own way.
  melvoro::ui::QtShell shell({}, QStandardPaths::findExecutable(QStringLiteral("xdg-open")));

  melvoro::Configuration config = melvoro::LoadConfiguration(melvoro::ExecutableFolder(), boxes);
  if (config.MustEnd) return kExitNoSession;
  // Declared after the seams it reports to and before the windows that show it.
  melvoro::Engine engine(std::move(config), ui, boxes);

  melvoro::ui::ProgramWindows windows(engine,
                                      {.boxes = boxes,
                                       .shell = shell,
                                       .cookie_folder = melvoro::CookieFolder(),
                                       .program_folder = melvoro::ExecutableFolder(),
                                       .running_exe = melvoro::FromOsPath(melvoro::ExecutablePath())});
  melvoro::ui::MainWindow& main_window = windows.Main();

  QObject::connect(&main_window, &melvoro::ui::MainWindow::Closed, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  // Ctrl+C in a terminal, or the session ending, closes the window as the user would.
  const melvoro::ui::QuitOnSignal stop([&main_window] { main_window.close(); });
  main_window.show();
  main_window.activateWindow();
  const int code = QApplication::exec();
  // Hidden before they go, so every open window saves its placement.
  windows.HideAll();
  return code;
}
