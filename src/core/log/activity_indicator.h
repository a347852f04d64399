// The state of the network activity indicator: how many requests run, the animation
// frame and the animation timer's interval. The picture and the real timer belong to the GUI,
// which follows this state through OnChange.
#pragma once

#include <functional>

#include "core/listeners.h"

namespace melvoro {

class ActivityIndicator {
 public:
  static constexpr int kIdleFrame = 4;
  static constexpr int kFirstInterval = 200;  // ms

  // A request starts: the first creates the timer, each further one speeds it up by 3/4.
  void ActivityBegin();
  // A request ends: the last destroys the timer and shows the idle picture.
  void ActivityEnd();
  // The timer's tick (timAnim): one frame back, wrapping to the idle frame.
  void TimerTick();

  bool Active() const { return active_; }
  bool TimerExists() const { return timer_exists_; }
  int IntervalMs() const { return interval_ms_; }
  int Count() const { return count_; }
  int Frame() const { return frame_; }
  bool PictureCreated() const { return picture_created_; }

  // Called after every change, on the UI thread.
  Listeners<> OnChange;

 private:
  void Changed() { OnChange(); }

  bool active_ = false;
  bool timer_exists_ = false;
  bool picture_created_ = false;
  int interval_ms_ = 0;
  int count_ = 0;
  int frame_ = 0;
};

}  // namespace melvoro
