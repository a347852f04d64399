// MainWindow, the main window: the tab set with the search page, the download list under a
// splitter, the top bar with the settings and log-out buttons and the activity indicator.
// It shows an engine built before it and taken by reference; its handlers only forward to that
// engine and show what it holds.
#pragma once

#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/engine.h"
#include "playback/shell_open.h"
#include "ui/widgets/window_frame.h"

class QScrollArea;
class QSplitter;
class QTabWidget;
class QToolButton;

namespace melvoro {
class MessageBoxes;
class Shell;
}  // namespace melvoro

namespace melvoro::ui {

class ActivityIndicatorWidget;
class AlbumPage;
class DownloadListModel;
class DownloadListView;
class SinglesPage;
class ResultsFrame;
class FriendsFrame;

// What the main window asks of the system; main() gives the real ones, tests their own.
struct MainWindowSeams {
  MessageBoxes& boxes;
  Shell& shell;
  std::filesystem::path cookie_folder;  // where the log-out deletes saved sessions
};

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 585;
  static constexpr int kClientHeight = 636;
  // The window frame the layout's figures were measured with: they speak of the outer size.
  static constexpr int kFrameWidth = kWindowFrameWidth;
  static constexpr int kFrameHeight = kWindowFrameHeight;
  static constexpr int kTickMs = 1000;

  // engine must outlive the window.
  MainWindow(Engine& engine, const MainWindowSeams& seams, QWidget* parent = nullptr);
  // Stops the engine's transfers first: no worker may report to a widget that is already gone.
  ~MainWindow() override;

  // Windows created after this one that its buttons open.
  void SetSettingsWindow(QWidget* window) { settings_window_ = window; }
  // Until a charts window is given, "ZAzuro" (and Ctrl+Enter) cannot open one: the button is off.
  void SetChartsWindow(QWidget* window);
  // The album page's scroll box, which the wheel scrolls on the other pages.
  void SetAlbumScrollBox(QScrollArea* box);

  // The switch from the intro screen to the result rows; happens once.
  void SwitchToResultsLayout();
  bool ResultsShown() const { return results_shown_; }

  // Handlers, named after what the user did.
  void OnSearchClicked();
  void OnChartsClicked();
  // Result row n's name clicked or its background pressed: the song is queued.
  void OnRowClicked(int n);
  void OnPlayClicked(int n);
  void OnDownloadTick();
  // Runs a step of the queue (a tick, or adding a search, which ticks) so that a failure shows
  // one box and never leaves a Qt slot, and no tick starts inside a box opened by another.
  void RunGuarded(const std::function<void()>& step);
  void OnListenClicked(int row);
  void OnOpenFolderClicked(int row);
  void OnRetryClicked(int row);
  void OnSettingsClicked();
  void OnLogOutClicked();
  // The resize rule: places the top panel, the results frame, the search box and its buttons.
  void LayOut();
  // True when the wheel event was used up.
  bool OnWheel(const QPoint& global_pos, int delta);
  void OnSinglesPageShown();

  // The window's outer size, which the layout rules are written in.
  QSize OuterSize() const { return size() + QSize(kFrameWidth, kFrameHeight); }

  // The engine the window shows, for tests.
  Engine& engine() { return engine_; }

  QTabWidget* Pages() const { return pages_; }
  SinglesPage* Singles() const { return singles_; }
  ResultsFrame* ResultsPane() const;
  DownloadListView* DownloadView() const { return download_view_; }
  DownloadListModel* ListModel() const { return model_.get(); }
  QWidget* TopPanel() const { return top_panel_; }
  QTimer* DownloadTimer() { return &download_timer_; }
  FriendsFrame* FriendsPane() const { return friends_frame_; }
  AlbumPage* Album() const { return album_page_; }

 signals:
  // The window was closed: the program ends, whatever other windows are open.
  void Closed();

 protected:
  // The wheel over controls that would scroll themselves (the results frame, the tab row,
  // the album box, the download list) comes through here first.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildWidgets();
  void BuildTopPanel();
  void ResultsLaidOut();
  void WatchWheel(QWidget* widget);
  void ShowError(const std::string& caption, const std::string& text);
  void ShowOpenFailure(OpenProgram program);
  const DownloadRow* RowForMenu(int row) const;

  Engine& engine_;
  MainWindowSeams seams_;
  std::vector<Subscription> subscriptions_;  // what the window hears of the engine
  std::unique_ptr<DownloadListModel> model_;
  bool results_shown_ = false;
  bool in_tick_ = false;
  std::string last_tick_error_;
  QTimer download_timer_;

  QTabWidget* pages_ = nullptr;
  SinglesPage* singles_ = nullptr;
  AlbumPage* album_page_ = nullptr;
  QWidget* friends_page_ = nullptr;
  FriendsFrame* friends_frame_ = nullptr;
  QSplitter* splitter_ = nullptr;
  DownloadListView* download_view_ = nullptr;
  QWidget* top_panel_ = nullptr;
  QToolButton* settings_button_ = nullptr;
  QToolButton* log_out_button_ = nullptr;
  ActivityIndicatorWidget* indicator_ = nullptr;
  QWidget* settings_window_ = nullptr;
  QWidget* charts_window_ = nullptr;
  QScrollArea* album_scroll_box_ = nullptr;
};

}  // namespace melvoro::ui
