#include "ui/widgets/help_hint.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QToolTip>

namespace melvoro::ui {

namespace {

constexpr int kTextWidth = 194;
constexpr int kPopupWidth = 200;
constexpr int kOffset = 10;

QPointer<QLabel>& Popup() {
  static QPointer<QLabel> popup;
  return popup;
}

}  // namespace

void ShowHelpHint(const QString& text, QWidget* owner) {
  HideHelpHint();

  QLabel measure(text);
  measure.setWordWrap(true);
  measure.setFont(QToolTip::font());
  const int text_height = measure.heightForWidth(kTextWidth);

  auto* popup = new QLabel(text, owner, Qt::ToolTip);
  popup->setWordWrap(true);
  popup->setFont(QToolTip::font());
  popup->setPalette(QToolTip::palette());
  popup->setAutoFillBackground(true);
  popup->setFrameShape(QFrame::Box);
  popup->setMargin((kPopupWidth - kTextWidth) / 2);
  popup->setAttribute(Qt::WA_DeleteOnClose);
  const QPoint mouse = QCursor::pos();
  popup->setGeometry(mouse.x() + kOffset, mouse.y() + kOffset, kPopupWidth, text_height + kOffset);
  popup->show();
  Popup() = popup;
}

void HideHelpHint() {
  if (QLabel* popup = Popup()) delete popup;
  Popup() = nullptr;
}

QWidget* CurrentHelpHint() { return Popup(); }

HelpMark::HelpMark(QWidget* parent) : QLabel(QStringLiteral("[?]"), parent) {
  setCursor(Qt::WhatsThisCursor);
  setForegroundRole(QPalette::Link);
}

void HelpMark::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  Q_EMIT entered();
}

void HelpMark::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  Q_EMIT left();
}

void HelpMark::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

}  // namespace melvoro::ui
