#include "core/os/event_loop.h"

#include <algorithm>

namespace melvoro {

EventLoop::~EventLoop() { Shutdown(); }

void EventLoop::Enqueue(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(task));
  }
  wake_.notify_one();
}

bool EventLoop::RunOne(std::chrono::steady_clock::time_point until) {
  std::function<void()> task;
  {
    std::unique_lock lock(mutex_);
    if (!wake_.wait_until(lock, until, [&] { return quit_ || !queue_.empty(); })) return false;
    if (quit_) return false;
    task = std::move(queue_.front());
    queue_.pop_front();
  }
  task();
  return true;
}

void EventLoop::Run() {
  while (true) {
    if (!RunOne(std::chrono::steady_clock::time_point::max())) {
      std::lock_guard lock(mutex_);
      if (quit_) {
        quit_ = false;
        return;
      }
    }
  }
}

void EventLoop::Quit() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_one();
}

bool EventLoop::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  // done() may also turn true on another thread, so look at it now and then even when idle.
  constexpr auto kRecheck = std::chrono::milliseconds(20);
  const auto until = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= until) return false;
    RunOne(std::min(until, now + kRecheck));
  }
  return true;
}

void EventLoop::RunPending() {
  std::deque<std::function<void()>> batch;
  {
    std::lock_guard lock(mutex_);
    batch.swap(queue_);
  }
  for (auto& task : batch) task();
}

}  // namespace melvoro
