// A UI thread without a screen: the console front and the tests run their engine on it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "core/os/ui_thread.h"

namespace melvoro {

class EventLoop final : public UiThread {
 public:
  EventLoop() = default;
  ~EventLoop() override;

  // Runs queued tasks until Quit() is called.
  void Run();
  void Quit();

  // Runs queued tasks until done() holds or timeout passes; returns done().
  bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

  // Runs what is queued now, without waiting.
  void RunPending();

 protected:
  void Enqueue(std::function<void()> task) override;

 private:
  // Waits up to `until` for a task; runs one if there is one. False on time-out or quit.
  bool RunOne(std::chrono::steady_clock::time_point until);

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> queue_;
  bool quit_ = false;
};

}  // namespace melvoro
