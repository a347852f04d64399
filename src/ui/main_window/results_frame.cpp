#include "ui/main_window/results_frame.h"

#include <QProgressBar>
#include <QScrollBar>
#include <QTextDocument>

#include "qt_seams/qt_text.h"
#include "ui/main_window/result_row_widgets.h"
#include "ui/main_window/state_icons.h"
#include "ui/widgets/widget_factory.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

constexpr int kBackgroundLeft = 5;
constexpr int kBackgroundHeight = 24;
constexpr int kBackgroundMargin = 30;  // the background is this much narrower than the frame
constexpr int kNameLeft = 30;
constexpr int kPlayLeft = 10;
constexpr int kProgressFromRight = 190;
constexpr int kProgressWidth = 143;
constexpr int kProgressHeight = 17;

}  // namespace

ResultsFrame::ResultsFrame(const ResultRows& rows, QWidget* parent)
    : QScrollArea(parent), engine_rows_(rows), content_(new QWidget), play_picture_(PlayPicture()) {
  setObjectName("Frame11");
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setBackgroundRole(QPalette::Base);
  FillBackground(*this, Qt::white);
  content_->setObjectName("Frame11Rows");
  FillBackground(*content_, Qt::white);
  setWidget(content_);
  setWidgetResizable(true);
  verticalScrollBar()->setSingleStep(kRowStep);
  for (int n = 1; n <= ResultRows::kRowCount; ++n) BuildRow(n);
  FitContent();
}

QLabel* ResultsFrame::NameLabel(int n) const { return At(n).name; }
QLabel* ResultsFrame::PlayImage(int n) const { return At(n).play; }

QColor ResultsFrame::RowColour(ResultRowState state) {
  switch (state) {
    case ResultRowState::Queued:
      return QColor(255, 255, 127);
    case ResultRowState::Downloaded:
      return QColor(120, 205, 120);
    case ResultRowState::Failed:
      return QColor(252, 170, 170);
    case ResultRowState::Fresh:
      break;
  }
  return QColor(239, 237, 226);
}

void ResultsFrame::BuildRow(int n) {
  Row& row = rows_[static_cast<std::size_t>(n - 1)];
  const int top = kRowStep * n;
  const int width = this->width();
  // Created back to front, so the label and the picture lie over the background.
  row.background = new RowBackground(content_);
  row.background->setGeometry(kBackgroundLeft, top - 4, width - kBackgroundMargin, kBackgroundHeight);
  row.name = new ClickLabel(content_);
  // A name comes from the network: shown as text, never as markup.
  row.name->setTextFormat(Qt::PlainText);
  // Its own role: inherited from the scroll area it would be Base, and paint white.
  row.name->setBackgroundRole(QPalette::Window);
  row.name->setAutoFillBackground(true);
  row.name->move(kNameLeft, top);
  row.play = new ClickLabel(content_);
  row.play->setGeometry(kPlayLeft, top, kIconSize, kIconSize);
  row.play->setCursor(Qt::PointingHandCursor);
  row.play->setPixmap(play_picture_);
  row.progress = new QProgressBar(content_);
  row.progress->setGeometry(width - kProgressFromRight, top - 1, kProgressWidth, kProgressHeight);
  row.progress->setTextVisible(false);
  for (QWidget* control : {static_cast<QWidget*>(row.background), static_cast<QWidget*>(row.name),
                           static_cast<QWidget*>(row.play), static_cast<QWidget*>(row.progress)}) {
    control->setProperty("Tag", n);
    control->hide();
  }
  connect(row.name, &ClickLabel::clicked, this, [this, n] { emit nameClicked(n); });
  connect(row.background, &RowBackground::pressed, this, [this, n] { emit backgroundPressed(n); });
  connect(row.play, &ClickLabel::clicked, this, [this, n] { emit playClicked(n); });
}

void ResultsFrame::ShowRows() {
  for (int n = 1; n <= ResultRows::kRowCount; ++n) {
    const Row& row = At(n);
    row.progress->hide();
    row.progress->setValue(0);
    row.play->setPixmap(play_picture_);
    const bool in_use = engine_rows_.Row(n).InUse;
    if (in_use) {
      UpdateRow(n);
      SetNameText(n);
    }
    row.background->setVisible(in_use);
    row.name->setVisible(in_use);
    row.play->setVisible(in_use);
  }
  FitContent();
  verticalScrollBar()->setValue(0);
}

void ResultsFrame::UpdateRow(int n) {
  const Row& row = At(n);
  const ResultRow& state = engine_rows_.Row(n);
  const QColor colour = RowColour(state.State);
  row.background->SetFill(colour);
  FillBackground(*row.name, colour);
  // Only a row that takes clicks shows the hand.
  const Qt::CursorShape cursor = state.Clickable ? Qt::PointingHandCursor : Qt::ArrowCursor;
  row.background->setCursor(cursor);
  row.name->setCursor(cursor);
  row.progress->setValue(state.Progress);
  row.background->setToolTip(state.State == ResultRowState::Failed ? ToQString(texts::kResultRowFailedHint)
                                                                   : QString());
}

void ResultsFrame::SetNameText(int n) {
  const Row& row = At(n);
  const QString name = ToQString(engine_rows_.NameText(n));
  // A long name is cut at the row's edge rather than running past the frame; the tooltip
  // keeps it whole.
  const int room = row.background->geometry().right() - kNameLeft - 4;
  const QString shown = row.name->fontMetrics().elidedText(name, Qt::ElideRight, qMax(room, 0));
  row.name->setText(shown);
  row.name->setToolTip(shown == name ? QString() : Qt::convertFromPlainText(name));
  row.name->adjustSize();
}

void ResultsFrame::RelayoutRows() {
  const int width = this->width();
  for (int n = 1; n <= ResultRows::kRowCount; ++n) {
    const Row& row = At(n);
    const QRect background = row.background->geometry();
    row.background->setGeometry(background.x(), background.y(), width - kBackgroundMargin,
                                background.height());
    row.progress->move(width - kProgressFromRight, row.progress->y());
    if (engine_rows_.Row(n).InUse) SetNameText(n);
  }
}

void ResultsFrame::FitContent() {
  // The scroll range covers the rows in use, as a scroll box's range covers its visible controls.
  int last = 0;
  for (int n = 1; n <= ResultRows::kRowCount; ++n)
    if (engine_rows_.Row(n).InUse) last = n;
  const int height = last == 0 ? 0 : kRowStep * last + kBackgroundHeight;
  content_->setMinimumHeight(height);
  // A lower minimum leaves the content at its old height, and the old range with it: size it
  // anew, which also makes the scroll area fit it to the viewport again.
  content_->resize(content_->width(), qMax(height, viewport()->height()));
}

}  // namespace melvoro::ui
