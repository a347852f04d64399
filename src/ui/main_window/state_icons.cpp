#include "ui/main_window/state_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

#include "downloads/download_list.h"

namespace melvoro::ui {

namespace {

const QColor kRed(208, 32, 32);
const QColor kGreen(40, 150, 40);
const QColor kInk(60, 60, 60);

QPixmap Draw(const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  return pixmap;
}

void RedSign(QPainter& p) {
  p.setPen(QPen(kRed.darker(130), 1));
  p.setBrush(kRed);
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4, 7, 8, 2.5));
}

void ArrowDown(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(5.5, 1);
  arrow.lineTo(10.5, 1);
  arrow.lineTo(10.5, 7);
  arrow.lineTo(14, 7);
  arrow.lineTo(8, 14.5);
  arrow.lineTo(2, 7);
  arrow.lineTo(5.5, 7);
  arrow.closeSubpath();
  p.setPen(QPen(kGreen.darker(140), 1));
  p.setBrush(kGreen);
  p.drawPath(arrow);
}

void Tick(QPainter& p) {
  p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
}

void Clock(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8, 8), QPointF(8, 4));
  p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

void Magnifier(QPainter& p) {
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 10), QPointF(14, 14));
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(190, 225, 250));
  p.drawEllipse(QRectF(1.5, 1.5, 9.5, 9.5));
}

void Page(QPainter& p) {
  QPainterPath sheet;
  sheet.moveTo(3.5, 1.5);
  sheet.lineTo(10, 1.5);
  sheet.lineTo(12.5, 4);
  sheet.lineTo(12.5, 14.5);
  sheet.lineTo(3.5, 14.5);
  sheet.closeSubpath();
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawPath(sheet);
  p.setPen(QPen(QColor(120, 120, 120), 1));
  for (double y : {5.5, 8.0, 10.5, 13.0}) p.drawLine(QPointF(5, y), QPointF(11, y));
}

}  // namespace

QIcon StateIcon(DownloadState state) {
  static constexpr std::array<void (*)(QPainter&), 6> kPainters = {RedSign, ArrowDown, Tick,
                                                                   Clock,   Magnifier, Page};
  if (state == DownloadState::Failed) state = DownloadState::NotFound;
  const auto index = static_cast<std::size_t>(state);
  if (index >= kPainters.size()) return {};
  return QIcon(Draw(kPainters[index]));
}

QPixmap PlayPicture() {
  return Draw([](QPainter& p) {
    p.setPen(QPen(QColor(40, 90, 160), 1));
    p.setBrush(QColor(70, 130, 210));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(6, 4), QPointF(12, 8), QPointF(6, 12)}));
  });
}

}  // namespace melvoro::ui
