// MainWindow: building the window, its handlers (each forwards to the engine and leaves the
// showing to the engine's change notifications), and its layout rules.
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <exception>

#include "core/os/message_box.h"
#include "core/os/shell.h"
#include "core/os/ui_thread.h"
#include "core/text/cp1251.h"
#include "downloads/file_naming.h"
#include "playback/play_playlist.h"
#include "playback/shell_open.h"
#include "qt_seams/qt_text.h"
#include "session/log_out.h"
#include "ui/friends/friends_frame.h"
#include "ui/main_window/album_page.h"
#include "ui/main_window/download_list_model.h"
#include "ui/main_window/download_list_view.h"
#include "ui/main_window/results_frame.h"
#include "ui/main_window/singles_page.h"
#include "ui/settings/settings_window.h"
#include "ui/widgets/activity_indicator_widget.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/widget_factory.h"
#include "ui/widgets/window_placement.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

constexpr int kTopPanelHeight = 25;
constexpr int kSplitterWidth = 4;
constexpr int kTopPanelLeft = 272;
constexpr int kTopPanelMargin = 280;
constexpr int kFrameMargin = 40;
constexpr int kFrameBottomMargin = 67;
constexpr int kSearchMargin = 190;
constexpr int kButtonGap = 4;
constexpr int kResultsWheelDivisor = 5;
constexpr int kAlbumWheelDivisor = 4;

void ShowWindow(QWidget* window) {
  if (window == nullptr) return;
  window->show();
  window->raise();
  window->activateWindow();
}

// Exception texts (file errors among them) are UTF-8; boxes take Windows-1251.
std::string ErrorText(const std::exception& error) { return Utf8ToCp1251(error.what()); }

}  // namespace

MainWindow::MainWindow(Engine& engine, const MainWindowSeams& seams, QWidget* parent)
    : QWidget(parent),
      engine_(engine),
      seams_(seams),
      model_(std::make_unique<DownloadListModel>(engine_.Queue().List())) {
  setObjectName("TformMa");
  setWindowTitle(ToQString(texts::kMainCaption));
  setMinimumSize(kClientWidth, kClientHeight);
  resize(kClientWidth, kClientHeight);
  FillBackground(*this, Qt::white);
  BuildWidgets();
  LayOut();

  subscriptions_.emplace_back(engine_.Results().OnShown, [this] { ResultsLaidOut(); });
  subscriptions_.emplace_back(engine_.Results().OnRowChanged, [this](int n) { ResultsPane()->UpdateRow(n); });
  subscriptions_.emplace_back(engine_.Queue().OnSearchStarted, [this] { ResultsPane()->hide(); });
  subscriptions_.emplace_back(engine_.Controller().OnPageFailed, [this] { ResultsPane()->show(); });
  // The desktop may find no program for a song or a playlist only after a moment.
  subscriptions_.emplace_back(seams_.shell.OnOpenFailed, [this](const std::string& target) {
    LogShellOpenFailure(engine_.Log(), target);
    ShowOpenFailure(ProgramFor(target));
  });

  download_timer_.setObjectName("timerFindList");
  download_timer_.setInterval(kTickMs);
  connect(&download_timer_, &QTimer::timeout, this, &MainWindow::OnDownloadTick);
  download_timer_.start();
}

MainWindow::~MainWindow() {
  download_timer_.stop();
  // Running transfers are aborted and waited for while everything they report to still exists;
  // each removes its part file, so no partial song is left under its name.
  engine_.Shutdown();
  subscriptions_.clear();
  // The widgets read the engine members, which go before QWidget's destructor would free them.
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::SetChartsWindow(QWidget* window) {
  charts_window_ = window;
  singles_->ChartsButton()->setEnabled(window != nullptr);
}

void MainWindow::SetAlbumScrollBox(QScrollArea* box) {
  album_scroll_box_ = box;
  if (box != nullptr) WatchWheel(box->viewport());
}

void MainWindow::BuildWidgets() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  splitter_ = new QSplitter(Qt::Vertical, this);
  splitter_->setObjectName("Splitter1");
  splitter_->setHandleWidth(kSplitterWidth);
  splitter_->setChildrenCollapsible(false);
  layout->addWidget(splitter_);

  pages_ = new QTabWidget(splitter_);
  pages_->setObjectName("PageControl1");
  const std::string site(HostWithoutPort(engine_.HostsTable().Network));
  singles_ = new SinglesPage(engine_.Results(), ToQString(texts::kWelcomePrefix.str() + site));
  pages_->addTab(singles_, ToQString(texts::kTabSingles));
  pages_->setTabToolTip(0, ToQString(texts::kTabSinglesHintPrefix.str() + site));
  // The album page is carried laid out, but its tab is never shown nor the page enabled.
  album_page_ = new AlbumPage(
      {.queue = engine_.Queue(),
       .boxes = seams_.boxes,
       .download_folder =
           [this] {
             const auto* settings = qobject_cast<const SettingsWindow*>(settings_window_);
             return settings != nullptr ? settings->DownloadFolder() : std::string();
           },
       .loading_picture = [this] { return ActivityIndicatorWidget::Picture(indicator_->ShownPicture()); }});
  album_page_->setEnabled(false);
  const int album_tab = pages_->addTab(album_page_, ToQString(texts::kTabAlbums));
  pages_->setTabToolTip(album_tab, ToQString(texts::kTabAlbumsHint));
  pages_->setTabVisible(album_tab, false);
  friends_page_ = new QWidget;
  friends_page_->setObjectName("TabSheet3");
  pages_->addTab(friends_page_, ToQString(texts::kTabFriends));
  auto* friends_layout = new QVBoxLayout(friends_page_);
  friends_layout->setContentsMargins(0, 0, 0, 0);
  friends_frame_ = new FriendsFrame(
      engine_.Friends(), [this](std::vector<Song> songs) { engine_.Results().ShowResults(std::move(songs)); },
      [this] { SwitchToResultsLayout(); }, friends_page_);
  friends_layout->addWidget(friends_frame_);
  pages_->setCurrentIndex(0);
  SetAlbumScrollBox(album_page_->GridBox());
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (index == 0) OnSinglesPageShown();
    if (pages_->widget(index) == album_page_) album_page_->OnShown(singles_->CreditPanel());
    LayOut();
  });

  download_view_ = new DownloadListView(*model_, splitter_);
  splitter_->addWidget(pages_);
  splitter_->addWidget(download_view_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
  splitter_->setSizes(
      {kClientHeight - DownloadListView::kInitialHeight - kSplitterWidth, DownloadListView::kInitialHeight});
  // A dragged splitter changes the list's height, which the frame's height rule reads.
  connect(splitter_, &QSplitter::splitterMoved, this, &MainWindow::LayOut);
  connect(download_view_, &DownloadListView::listenRequested, this, &MainWindow::OnListenClicked);
  connect(download_view_, &DownloadListView::openFolderRequested, this, &MainWindow::OnOpenFolderClicked);
  connect(download_view_, &DownloadListView::retryRequested, this, &MainWindow::OnRetryClicked);
  connect(album_page_, &AlbumPage::searchAccepted, this, [this] {
    results_shown_ = true;
    singles_->SwitchToResultsLayout();
  });
  connect(album_page_, &AlbumPage::backToAlbums, download_view_, &QWidget::show);
  connect(friends_frame_, &FriendsFrame::listRequested, this, [this] { ResultsPane()->hide(); });

  ResultsFrame* frame = ResultsPane();
  connect(frame, &ResultsFrame::nameClicked, this, &MainWindow::OnRowClicked);
  connect(frame, &ResultsFrame::backgroundPressed, this, &MainWindow::OnRowClicked);
  connect(frame, &ResultsFrame::playClicked, this, &MainWindow::OnPlayClicked);
  QPushButton* search = singles_->SearchButton();
  QPushButton* charts = singles_->ChartsButton();
  connect(search, &QPushButton::clicked, this, &MainWindow::OnSearchClicked);
  connect(charts, &QPushButton::clicked, this, &MainWindow::OnChartsClicked);
  charts->setEnabled(charts_window_ != nullptr);
  // Enter in the search box searches; with Ctrl held it opens the charts instead.
  QLineEdit* box = singles_->SearchBox();
  connect(box, &QLineEdit::returnPressed, search, &QPushButton::click);
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), box);
    shortcut->setContext(Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, charts, &QPushButton::click);
  }

  WatchWheel(frame->viewport());
  WatchWheel(frame->verticalScrollBar());
  WatchWheel(pages_->tabBar());
  WatchWheel(download_view_->viewport());
  BuildTopPanel();
}

void MainWindow::BuildTopPanel() {
  top_panel_ = new QWidget(this);
  top_panel_->setObjectName("PanelForLoadingImage");
  auto* row = new QHBoxLayout(top_panel_);
  row->setContentsMargins(0, 0, 4, 0);
  row->setSpacing(2);
  row->addStretch(1);
  settings_button_ = new QToolButton(top_panel_);
  settings_button_->setObjectName("SpeedButton1");
  settings_button_->setText(ToQString(texts::kSettingsButton));
  settings_button_->setToolTip(ToQString(texts::kSettingsButtonHint));
  log_out_button_ = new QToolButton(top_panel_);
  log_out_button_->setObjectName("SpeedButton4");
  log_out_button_->setText(ToQString(texts::kLogOutButton));
  for (QToolButton* button : {settings_button_, log_out_button_}) {
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(button);
  }
  indicator_ = new ActivityIndicatorWidget(engine_.Activity(), top_panel_);
  indicator_->setObjectName("imgLoading");
  row->addSpacing(6);
  row->addWidget(indicator_, 0, Qt::AlignVCenter);
  connect(settings_button_, &QToolButton::clicked, this, &MainWindow::OnSettingsClicked);
  connect(log_out_button_, &QToolButton::clicked, this, &MainWindow::OnLogOutClicked);
  top_panel_->resize(top_panel_->width(), kTopPanelHeight);
  top_panel_->raise();
}

ResultsFrame* MainWindow::ResultsPane() const { return singles_->ResultsPane(); }

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void MainWindow::showEvent(QShowEvent* event) {
  // A window restored from the task bar keeps where it is; only a real show applies the placement.
  if (!event->spontaneous()) LoadPlacement(*this, "main");
  QWidget::showEvent(event);
  // A saved or designed size larger than this screen would put the download list out of sight.
  if (!event->spontaneous()) KeepOnScreen(*this);
  OnSinglesPageShown();
  LayOut();
}

void MainWindow::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) SavePlacement(*this, "main");
  QWidget::hideEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  emit Closed();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Each activation runs the indicator once, so its idle picture exists from the first.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    engine_.Activity().ActivityBegin();
    engine_.Activity().ActivityEnd();
  }
}

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
    const std::string path = WritePlayPlaylist(PlayPlaylistText(
        PlaylistRowsOf(engine_.Results()), n, engine_.Controller().ListTitle, &engine_.Log()));
    if (!ShellOpen(seams_.shell, engine_.Log(), path)) ShowOpenFailure(OpenProgram::MediaPlayer);
  } catch (const std::exception& error) {
    ShowError(texts::kAppTitle.str(), ErrorText(error));
  }
}

void MainWindow::OnDownloadTick() {
  RunGuarded([this] { engine_.Queue().Tick(); });
  // With no transfer slots nothing starts, by design; the list must not just show waiting rows.
  download_view_->ShowPausedHint(engine_.Queue().ThreadLimit() == 0 ? ToQString(texts::kDownloadsPaused)
                                                                    : QString());
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
  if (const DownloadRow* item = RowForMenu(row); item && !ShellOpen(seams_.shell, engine_.Log(), item->Path))
    ShowOpenFailure(OpenProgram::MediaPlayer);
}

void MainWindow::OnOpenFolderClicked(int row) {
  if (const DownloadRow* item = RowForMenu(row);
      item && !ShellShowInFolder(seams_.shell, engine_.Log(), item->Path))
    ShowOpenFailure(OpenProgram::FileManager);
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

void MainWindow::ShowOpenFailure(OpenProgram program) {
  // The log alone would leave a click that did nothing.
  seams_.boxes.Show(texts::kAppTitle.str(), OpenFailureMessage(program), MessageIcon::Warning);
}

void MainWindow::LayOut() {
  if (singles_ == nullptr) return;  // a resize while the window is being built
  const QSize outer = OuterSize();
  top_panel_->setGeometry(kTopPanelLeft, 0, outer.width() - kTopPanelMargin, top_panel_->height());

  ResultsFrame* frame = ResultsPane();
  // The rule's height assumes the tab row of the system the figures come from; the frame
  // never reaches past the bottom of its page, or its last row and scroll arrow would hide.
  const int rule_height = outer.height() - frame->y() - download_view_->height() - kFrameBottomMargin;
  frame->resize(outer.width() - kFrameMargin, qMax(0, qMin(rule_height, singles_->height() - frame->y())));

  QLineEdit* search = singles_->SearchBox();
  QPushButton* search_button = singles_->SearchButton();
  QPushButton* charts_button = singles_->ChartsButton();
  search->resize(outer.width() - kSearchMargin, search->height());
  search_button->move(search->x() + search->width() + kButtonGap, search_button->y());
  charts_button->move(search_button->x() + search_button->width() + kButtonGap, charts_button->y());
  singles_->PlaceCredit(outer.width());
  if (results_shown_) frame->RelayoutRows();
}

bool MainWindow::OnWheel(const QPoint& global_pos, int delta) {
  const QPoint client = mapFromGlobal(global_pos);
  const int list_top = download_view_->mapTo(this, QPoint(0, 0)).y();
  if (client.y() >= list_top) {
    download_view_->setFocus();
    return false;
  }
  // Integer division truncates toward zero, as the rule asks: one notch of 120 is 24 pixels.
  if (pages_->currentIndex() == 0) {
    QScrollBar* bar = ResultsPane()->verticalScrollBar();
    bar->setValue(bar->value() - delta / kResultsWheelDivisor);
  } else if (album_scroll_box_ != nullptr) {
    QScrollBar* bar = album_scroll_box_->verticalScrollBar();
    bar->setValue(bar->value() - delta / kAlbumWheelDivisor);
  }
  return true;
}

void MainWindow::WatchWheel(QWidget* widget) { widget->installEventFilter(this); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->angleDelta().y() != 0 && OnWheel(wheel->globalPosition().toPoint(), wheel->angleDelta().y())) {
      wheel->accept();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// The wheel over any other control of the window reaches here, as they leave it unused.
void MainWindow::wheelEvent(QWheelEvent* event) {
  if (event->angleDelta().y() != 0 && OnWheel(event->globalPosition().toPoint(), event->angleDelta().y()))
    event->accept();
  else
    event->ignore();
}

void MainWindow::OnSinglesPageShown() {
  download_view_->show();
  singles_->OnShown(OuterSize().width());
}

void MainWindow::SwitchToResultsLayout() {
  results_shown_ = true;
  singles_->SwitchToResultsLayout();
  pages_->setCurrentIndex(0);
  singles_->SearchBox()->setFocus();
  singles_->SearchBox()->selectAll();
}

void MainWindow::ResultsLaidOut() {
  ResultsFrame* frame = ResultsPane();
  frame->ShowRows();
  singles_->ShowNothingFound(engine_.Results().NothingFound());
  frame->show();
  LayOut();
}

}  // namespace melvoro::ui
