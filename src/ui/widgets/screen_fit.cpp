#include "ui/widgets/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "ui/widgets/window_frame.h"

namespace melvoro::ui {

namespace {

// The frame the window manager put round the window, or, before it framed it, the layout's.
QSize FrameOf(const QWidget& window) {
  const QRect client = window.geometry();
  const QRect frame = window.frameGeometry();
  return {frame.width() > client.width() ? frame.width() - client.width() : kWindowFrameWidth,
          frame.height() > client.height() ? frame.height() - client.height() : kWindowFrameHeight};
}

bool IsFixed(const QWidget& window) { return window.minimumSize() == window.maximumSize(); }

// A fixed size within room; the scroll bar that one cramped side brings takes room from the other.
QSize FixedSizeWithin(const QWidget& window, QSize designed, QSize room) {
  const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
  QSize size = designed;
  if (designed.height() > room.height()) size = {designed.width() + bar, room.height()};
  if (size.width() > room.width()) {
    size.setWidth(room.width());
    if (designed.width() > room.width() && designed.height() <= room.height())
      size.setHeight(std::min(designed.height() + bar, room.height()));
  }
  return size;
}

}  // namespace

void KeepOnScreen(QWidget& window, QSize designed_size) {
  const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
  if (screen != nullptr) KeepWithin(window, screen->availableGeometry(), designed_size);
}

void KeepWithin(QWidget& window, const QRect& area, QSize designed_size) {
  const QSize frame = FrameOf(window);
  const QSize room(std::max(1, area.width() - frame.width()), std::max(1, area.height() - frame.height()));
  if (IsFixed(window) && designed_size.isValid()) {
    const QSize size = FixedSizeWithin(window, designed_size, room);
    if (size != window.size()) window.setFixedSize(size);
  } else {
    // A designed minimum larger than the screen would hold the window beyond it.
    if (window.minimumWidth() > room.width() || window.minimumHeight() > room.height())
      window.setMinimumSize(window.minimumSize().boundedTo(room));
    if (window.width() > room.width() || window.height() > room.height())
      window.resize(window.size().boundedTo(room));
  }
  // Before the manager framed it, an explicit place is the frame's corner, as LoadPlacement asks
  // for it; a window the manager places itself is left to the manager.
  const bool framed = window.frameGeometry() != window.geometry();
  if (!framed && !window.testAttribute(Qt::WA_Moved)) return;
  const QSize outer = window.size() + frame;
  const QPoint corner = framed ? window.frameGeometry().topLeft() : window.pos();
  QPoint to = corner;
  to.setX(std::max(area.left(), std::min(to.x(), area.right() + 1 - outer.width())));
  to.setY(std::max(area.top(), std::min(to.y(), area.bottom() + 1 - outer.height())));
  if (QWindow* handle = window.windowHandle(); !framed && handle != nullptr && !handle->isVisible())
    handle->setFramePosition(to);
  else if (to != corner)
    window.move(to);
}

QScrollArea* ScrollWhenCramped(QWidget& window, QWidget* body) {
  auto* scroll = new QScrollArea(&window);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(false);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroll->setWidget(body);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(scroll);
  return scroll;
}

}  // namespace melvoro::ui
