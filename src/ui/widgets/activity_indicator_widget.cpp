#include "ui/widgets/activity_indicator_widget.h"

#include <QPainter>
#include <array>

#include "core/log/activity_indicator.h"

namespace melvoro::ui {

namespace {

constexpr int kDots = 3;
constexpr int kDotSize = 7;
constexpr int kDotGap = 7;

int ValidPicture(int number) {
  return number >= 1 && number <= ActivityIndicator::kIdleFrame ? number : ActivityIndicator::kIdleFrame;
}

// The timer shows pictures 4, 3, 2, 1 in turn: at 4 all dots rest, then a lit dot runs left
// to right.
int LitDot(int picture) { return picture == ActivityIndicator::kIdleFrame ? -1 : kDots - picture; }

QImage DrawPicture(int picture) {
  QImage image(ActivityIndicatorWidget::kPictureWidth, ActivityIndicatorWidget::kPictureHeight,
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const int total = kDots * kDotSize + (kDots - 1) * kDotGap;
  const int left = (ActivityIndicatorWidget::kPictureWidth - total) / 2;
  const int top = (ActivityIndicatorWidget::kPictureHeight - kDotSize) / 2;
  for (int dot = 0; dot < kDots; ++dot) {
    const bool lit = dot == LitDot(picture);
    painter.setBrush(lit ? QColor(0x36, 0x6c, 0xc4) : QColor(0xc8, 0xcc, 0xd4));
    const int grow = lit ? 1 : 0;
    painter.drawEllipse(QRect(left + dot * (kDotSize + kDotGap) - grow, top - grow, kDotSize + 2 * grow,
                              kDotSize + 2 * grow));
  }
  return image;
}

}  // namespace

ActivityIndicatorWidget::ActivityIndicatorWidget(ActivityIndicator& state, QWidget* parent)
    : QWidget(parent), state_(state), shown_(ActivityIndicator::kIdleFrame) {
  setFixedSize(60, kPictureHeight);
  connect(&timer_, &QTimer::timeout, this, [this] { state_.TimerTick(); });
  changed_ = Subscription(state_.OnChange, [this] { Follow(); });
  Follow();
}

ActivityIndicatorWidget::~ActivityIndicatorWidget() = default;

QImage ActivityIndicatorWidget::Picture(int number) {
  // Images, not pixmaps: they may outlive the application object.
  static const std::array<QImage, ActivityIndicator::kIdleFrame> pictures = {DrawPicture(1), DrawPicture(2),
                                                                             DrawPicture(3), DrawPicture(4)};
  return pictures[static_cast<std::size_t>(ValidPicture(number) - 1)];
}

void ActivityIndicatorWidget::Follow() {
  if (state_.TimerExists()) {
    if (!timer_.isActive() || timer_.interval() != state_.IntervalMs()) timer_.start(state_.IntervalMs());
  } else {
    timer_.stop();
  }
  const int picture = ValidPicture(state_.Frame());
  if (picture != shown_) {
    shown_ = picture;
    update();
  }
}

void ActivityIndicatorWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage picture = Picture(shown_);
  painter.drawImage((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
}

}  // namespace melvoro::ui
