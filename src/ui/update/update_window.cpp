#include "ui/update/update_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include "core/os/message_box.h"
#include "core/os/shell.h"
#include "downloads/download_queue.h"
#include "qt_seams/qt_text.h"
#include "ui/widgets/screen_fit.h"
#include "ui/window_texts.h"
#include "update/update_progress.h"
#include "update/update_script.h"

namespace melvoro::ui {

namespace {

constexpr int kIconRole = Qt::UserRole;
constexpr int kPercentColumn = 1;
constexpr int kBarLeft = 24;
constexpr int kBarTop = 20;
constexpr int kBarWidth = 369;
constexpr int kBarHeight = 25;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonTop = 108;

}  // namespace

UpdateWindow::UpdateWindow(Shell& shell, DownloadQueue& queue, MessageBoxes& boxes, std::string running_exe,
                           std::function<void()> end_program, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      shell_(shell),
      queue_(queue),
      boxes_(boxes),
      running_exe_(std::move(running_exe)),
      end_program_(std::move(end_program)) {
  setObjectName(QStringLiteral("TformAutoUpdate"));
  setWindowTitle(ToQString(texts::kAutoUpdateCaption));
  setFixedSize(kClientWidth, kClientHeight);

  // The panel's caption is drawn in its middle, under the bar.
  auto* panel = new QLabel(ToQString(texts::kAutoUpdateLoading), this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setAlignment(Qt::AlignCenter);
  panel->setGeometry(0, 0, kClientWidth, kClientHeight);

  progress_bar_ = new QProgressBar(panel);
  progress_bar_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_bar_->setRange(0, 100);
  progress_bar_->setValue(0);
  progress_bar_->setGeometry(kBarLeft, kBarTop, kBarWidth, kBarHeight);

  cancel_button_ = new QPushButton(ToQString(texts::kAutoUpdateCancel), panel);
  cancel_button_->setObjectName(QStringLiteral("BitBtn1"));
  cancel_button_->setGeometry(kBarLeft + kBarWidth - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);
  connect(cancel_button_, &QPushButton::clicked, this, &UpdateWindow::OnCancelClicked);

  progress_list_ = new QTreeWidget(this);
  progress_list_->setObjectName(QStringLiteral("ListView1"));
  progress_list_->setColumnCount(2);
  progress_list_->hide();
  progress_item_ = new QTreeWidgetItem(progress_list_);
  progress_item_->setData(0, kIconRole, 0);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(kTickMs);
  connect(timer_, &QTimer::timeout, this, &UpdateWindow::OnTimerTick);
}

void UpdateWindow::SetProgressText(const QString& text) { progress_item_->setText(kPercentColumn, text); }

void UpdateWindow::SetProgressIcon(int icon) { progress_item_->setData(0, kIconRole, icon); }

void UpdateWindow::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect outer = frameGeometry();
    move(screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
  }
  QWidget::showEvent(event);
  KeepOnScreen(*this, QSize(kClientWidth, kClientHeight));
}

void UpdateWindow::OnTimerTick() {
  if (const auto value = BarValueFromPercentText(FromQString(progress_item_->text(kPercentColumn))))
    progress_bar_->setValue(*value);
  if (progress_item_->data(0, kIconRole).toInt() != kUpdateCompleteIcon) return;
  timer_->stop();
  cancel_button_->setEnabled(false);
  progress_bar_->setValue(100);
  const bool ended = CompleteUpdate(
      UpdateCompletionSteps{
          .WriteScript = [this] { return WriteUpdateScript(NewExePath, running_exe_); },
          .OpenScript = [this](const std::string& script) { return shell_.Open(script); },
          .GiveBackEntry =
              [this](int entry) {
                if (entry >= 1 && entry <= DownloadQueue::kAlbumEntries) queue_.GiveBackAlbumEntry(entry);
              },
          .EndProgram = end_program_,
          .ReportError =
              [this](const std::string& message) {
                boxes_.Show(std::string(texts::kRequestErrorCaption), message, MessageIcon::Error);
              },
      },
      UpdateSlot);
  // The program goes on without the update: the user may still restart it.
  if (!ended) cancel_button_->setEnabled(true);
}

void UpdateWindow::OnCancelClicked() {
  if (!shell_.Open(running_exe_)) {
    boxes_.Show(std::string(texts::kRequestErrorCaption),
                std::string(texts::kAutoUpdateNoRestart) + running_exe_, MessageIcon::Error);
    return;
  }
  end_program_();
}

}  // namespace melvoro::ui
