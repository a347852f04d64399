#include "ui/form_ma.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/shell.h"
#include "core/texts.h"
#include "core/ui_thread.h"
#include "playback/shell_open.h"
#include "ui/activity_indicator_widget.h"
#include "ui/download_list_model.h"
#include "ui/download_list_view.h"
#include "ui/qt_text.h"
#include "ui/results_frame.h"
#include "ui/singles_page.h"
#include "ui/window_placement.h"

namespace melvoro::ui {

namespace {

constexpr int kTopPanelHeight = 25;
constexpr int kSplitterWidth = 4;

}  // namespace

TformMa::TformMa(Engine& engine, const MainWindowSeams& seams, QWidget* parent)
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
  FormResize();

  engine_.Results().OnShown = [this] { ResultsLaidOut(); };
  engine_.Results().OnRowChanged = [this](int n) { Frame11()->UpdateRow(n); };
  engine_.Queue().OnSearchStarted = [this] { Frame11()->hide(); };
  engine_.Controller().OnPageFailed = [this] { Frame11()->show(); };
  // The desktop may find no program for a song or a playlist only after a moment.
  seams_.shell.OnOpenFailed = [this](const std::string& target) {
    LogShellOpenFailure(engine_.Log(), target);
  };

  // The wheel rule must see wheel events before the control under the pointer does.
  // The search box's keys and focus come through the same filter.
  qApp->installEventFilter(this);

  timer_find_list_.setObjectName("timerFindList");
  timer_find_list_.setInterval(kTickMs);
  connect(&timer_find_list_, &QTimer::timeout, this, &TformMa::timerFindListTimer);
  timer_find_list_.start();
}

TformMa::~TformMa() {
  timer_find_list_.stop();
  qApp->removeEventFilter(this);
  // Running transfers are aborted and waited for while everything they report to still exists;
  // each removes its part file, so no partial song is left under its name.
  engine_.Shutdown();
  engine_.Results().OnShown = nullptr;
  engine_.Results().OnRowChanged = nullptr;
  engine_.Queue().OnSearchStarted = nullptr;
  engine_.Controller().OnPageFailed = nullptr;
  seams_.shell.OnOpenFailed = nullptr;
  // The widgets read the engine members, which go before QWidget's destructor would free them.
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void TformMa::SetChartsWindow(QWidget* window) {
  charts_window_ = window;
  singles_->BitBtn1->setEnabled(window != nullptr);
}

void TformMa::BuildWidgets() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  splitter_ = new QSplitter(Qt::Vertical, this);
  splitter_->setObjectName("Splitter1");
  splitter_->setHandleWidth(kSplitterWidth);
  splitter_->setChildrenCollapsible(false);
  layout->addWidget(splitter_);

  page_control_ = new QTabWidget(splitter_);
  page_control_->setObjectName("PageControl1");
  const std::string site(HostWithoutPort(engine_.HostsTable().Network));
  singles_ = new SinglesPage(engine_.Results(), ToQString(texts::kWelcomePrefix.str() + site));
  page_control_->addTab(singles_, ToQString(texts::kTabSingles));
  page_control_->setTabToolTip(0, ToQString(texts::kTabSinglesHintPrefix.str() + site));
  album_page_ = new QWidget;
  album_page_->setObjectName("TabSheet2");
  album_page_->setEnabled(false);
  page_control_->addTab(album_page_, ToQString(texts::kTabAlbums));
  page_control_->setTabToolTip(1, ToQString(texts::kTabAlbumsHint));
  page_control_->setTabVisible(1, false);
  friends_page_ = new QWidget;
  friends_page_->setObjectName("TabSheet3");
  page_control_->addTab(friends_page_, ToQString(texts::kTabFriends));
  page_control_->setCurrentIndex(0);
  connect(page_control_, &QTabWidget::currentChanged, this, [this](int index) {
    if (index == 0) TabSheet1Show();
    FormResize();
  });

  thlist_ = new DownloadListView(*model_, splitter_);
  splitter_->addWidget(page_control_);
  splitter_->addWidget(thlist_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
  splitter_->setSizes(
      {kClientHeight - DownloadListView::kInitialHeight - kSplitterWidth, DownloadListView::kInitialHeight});
  // A dragged splitter changes the list's height, which the frame's height rule reads.
  connect(splitter_, &QSplitter::splitterMoved, this, &TformMa::FormResize);
  connect(thlist_, &DownloadListView::N2Click, this, &TformMa::N2Click);
  connect(thlist_, &DownloadListView::N3Click, this, &TformMa::N3Click);
  connect(thlist_, &DownloadListView::RetryClick, this, &TformMa::RetryClick);

  TFrame1* frame = Frame11();
  connect(frame, &TFrame1::eventClick, this, &TformMa::eventClick);
  connect(frame, &TFrame1::eventClicksh, this, &TformMa::eventClicksh);
  connect(frame, &TFrame1::eventImgClick, this, &TformMa::eventImgClick);
  connect(singles_->Button1, &QPushButton::clicked, this, &TformMa::Button1Click);
  connect(singles_->BitBtn1, &QPushButton::clicked, this, &TformMa::BitBtn1Click);
  singles_->BitBtn1->setEnabled(charts_window_ != nullptr);
  BuildTopPanel();
}

void TformMa::BuildTopPanel() {
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
  connect(settings_button_, &QToolButton::clicked, this, &TformMa::SpeedButton1Click);
  connect(log_out_button_, &QToolButton::clicked, this, &TformMa::SpeedButton4Click);
  top_panel_->resize(top_panel_->width(), kTopPanelHeight);
  top_panel_->raise();
}

TFrame1* TformMa::Frame11() const { return singles_->Frame11; }

void TformMa::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TformMa::showEvent(QShowEvent* event) {
  // A window restored from the task bar keeps where it is; only a real show applies the placement.
  if (!event->spontaneous()) LoadPlacement(*this, "main");
  QWidget::showEvent(event);
  TabSheet1Show();
  FormResize();
}

void TformMa::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) SavePlacement(*this, "main");
  QWidget::hideEvent(event);
}

void TformMa::closeEvent(QCloseEvent* event) {
  event->accept();
  emit Closed();
}

void TformMa::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Each activation runs the indicator once, so its idle picture exists from the first.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    engine_.Activity().ActivityBegin();
    engine_.Activity().ActivityEnd();
  }
}

}  // namespace melvoro::ui
