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

#include "core/os/shell.h"
#include "core/os/ui_thread.h"
#include "core/text/texts.h"
#include "playback/shell_open.h"
#include "qt_seams/qt_text.h"
#include "ui/main_window/album_page.h"
#include "ui/main_window/download_list_model.h"
#include "ui/main_window/download_list_view.h"
#include "ui/main_window/results_frame.h"
#include "ui/main_window/singles_page.h"
#include "ui/widgets/activity_indicator_widget.h"
#include "ui/widgets/window_placement.h"

namespace melvoro::ui {

namespace {

constexpr int kTopPanelHeight = 25;
constexpr int kSplitterWidth = 4;

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
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  BuildWidgets();
  LayOut();

  subscriptions_.emplace_back(engine_.Results().OnShown, [this] { ResultsLaidOut(); });
  subscriptions_.emplace_back(engine_.Results().OnRowChanged, [this](int n) { ResultsPane()->UpdateRow(n); });
  subscriptions_.emplace_back(engine_.Queue().OnSearchStarted, [this] { ResultsPane()->hide(); });
  subscriptions_.emplace_back(engine_.Controller().OnPageFailed, [this] { ResultsPane()->show(); });
  // The desktop may find no program for a song or a playlist only after a moment.
  seams_.shell.OnOpenFailed = [this](const std::string& target) {
    LogShellOpenFailure(engine_.Log(), target);
  };

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
  seams_.shell.OnOpenFailed = nullptr;
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
  album_page_ = new AlbumPage;
  album_page_->setEnabled(false);
  const int album_tab = pages_->addTab(album_page_, ToQString(texts::kTabAlbums));
  pages_->setTabToolTip(album_tab, ToQString(texts::kTabAlbumsHint));
  pages_->setTabVisible(album_tab, false);
  friends_page_ = new QWidget;
  friends_page_->setObjectName("TabSheet3");
  pages_->addTab(friends_page_, ToQString(texts::kTabFriends));
  BuildFriendsPage();
  pages_->setCurrentIndex(0);
  BuildAlbumPage();
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (index == 0) OnSinglesPageShown();
    if (pages_->widget(index) == album_page_) OnAlbumPageShown();
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

}  // namespace melvoro::ui
