#include "core/log/activity_indicator.h"

#include <cmath>

namespace melvoro {

namespace {

// Round half to even, as the interval arithmetic has always done: 112.5 -> 112.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

void ActivityIndicator::ActivityBegin() {
  frame_ = 1;
  active_ = true;
  if (!timer_exists_) {
    timer_exists_ = true;
    interval_ms_ = kFirstInterval;
    if (!picture_created_) {
      picture_created_ = true;
      frame_ = 0;
    }
    count_ = 1;
  } else {
    // Each further concurrent request speeds the animation up.
    interval_ms_ = RoundEven(interval_ms_ * 0.75);
    ++count_;
  }
  Changed();
}

void ActivityIndicator::ActivityEnd() {
  if (!active_ || count_ <= 0) return;
  if (count_ == 1) {
    timer_exists_ = false;
    frame_ = kIdleFrame;
    count_ = 0;
    active_ = false;
  } else {
    interval_ms_ = RoundEven(interval_ms_ / 0.75);
    --count_;
  }
  Changed();
}

void ActivityIndicator::TimerTick() {
  --frame_;
  if (frame_ <= 0 || frame_ > kIdleFrame) frame_ = kIdleFrame;
  Changed();
}

}  // namespace melvoro
