// The main window's handlers: each forwards to the engine and leaves the showing to the
// engine's change notifications.
#include <QLineEdit>
#include <QTabWidget>
#include <exception>

#include "core/os/message_box.h"
#include "core/os/shell.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "downloads/file_naming.h"
#include "playback/play_playlist.h"
#include "playback/shell_open.h"
#include "qt_seams/qt_text.h"
#include "session/log_out.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/singles_page.h"

namespace melvoro::ui {

namespace {

void ShowWindow(QWidget* window) {
  if (window == nullptr) return;
  window->show();
  window->raise();
  window->activateWindow();
}

// Exception texts (file errors among them) are UTF-8; boxes take Windows-1251.
std::string ErrorText(const std::exception& error) { return Utf8ToCp1251(error.what()); }

}  // namespace

void MainWindow::OnSearchClicked() {
  SwitchToResultsLayout();
  const std::string query = FromQString(singles_->SearchBox()->text());
  // Adding a search runs a tick at once: it gets the same guard as the timer's ticks.
  RunGuarded([&] { engine_.Queue().AddSearch(query); });
}

void MainWindow::OnChartsClicked() { ShowWindow(charts_window_); }

void MainWindow::OnRowClicked(int n) {
  // Queue refuses a row that is not fresh: a row is queued once per result.
  ResultRows& results = engine_.Results();
  if (results.Queue(n)) engine_.Queue().AddFoundSong(n, results.NameText(n), results.Row(n).Song.Link);
}

void MainWindow::OnPlayClicked(int n) {
  try {
    const std::string path = WritePlayPlaylist(
        PlayPlaylistText(PlaylistRowsOf(engine_.Results()), n, engine_.Controller().ListTitle));
    ShellOpen(seams_.shell, engine_.Log(), path);
  } catch (const std::exception& error) {
    ShowError(texts::kAppTitle.str(), ErrorText(error));
  }
}

void MainWindow::OnDownloadTick() {
  RunGuarded([this] { engine_.Queue().Tick(); });
}

void MainWindow::RunGuarded(const std::function<void()>& step) {
  // A box opened inside a tick runs the event loop, and with it this timer.
  if (in_tick_) return;
  in_tick_ = true;
  std::string failure;
  try {
    step();
  } catch (const std::exception& error) {
    failure = ErrorText(error);
  }
  in_tick_ = false;
  // A cause that fails every tick shows its box once, until a tick goes through again.
  if (!failure.empty() && failure != last_tick_error_) {
    last_tick_error_ = failure;
    ShowError(texts::kAppTitle.str(), failure);
  } else if (failure.empty()) {
    last_tick_error_.clear();
  }
}

void MainWindow::OnListenClicked(int row) {
  if (const DownloadRow* item = RowForMenu(row)) ShellOpen(seams_.shell, engine_.Log(), item->Path);
}

void MainWindow::OnOpenFolderClicked(int row) {
  if (const DownloadRow* item = RowForMenu(row))
    ShellShowInFolder(seams_.shell, engine_.Log(), FileManagerPath(item->Path));
}

void MainWindow::OnRetryClicked(int row) {
  if (RowForMenu(row) != nullptr) engine_.Queue().Retry(row);
}

void MainWindow::OnSettingsClicked() { ShowWindow(settings_window_); }

void MainWindow::OnLogOutClicked() {
  try {
    LogOut(seams_.cookie_folder, engine_.HostsTable());
  } catch (const std::exception& error) {
    // The user must know the session may still be saved; the program ends all the same.
    ShowError(texts::kConfigErrorCaption.str(), ErrorText(error));
  }
  close();
}

const DownloadRow* MainWindow::RowForMenu(int row) const {
  return row >= 0 && row < engine_.Queue().List().Count() ? &engine_.Queue().List().Row(row) : nullptr;
}

void MainWindow::ShowError(const std::string& caption, const std::string& text) {
  seams_.boxes.Show(caption, text, MessageIcon::Error);
}

}  // namespace melvoro::ui
