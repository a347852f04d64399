#include "ui/main_window/result_row_widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace melvoro::ui {

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

void RowBackground::SetFill(const QColor& fill) {
  if (fill_ == fill) return;
  fill_ = fill;
  update();
}

void RowBackground::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(fill_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void RowBackground::mousePressEvent(QMouseEvent* event) {
  // Only the left button queues: a stray right click must not start a download.
  event->accept();
  if (event->button() == Qt::LeftButton) emit pressed();
}

}  // namespace melvoro::ui
