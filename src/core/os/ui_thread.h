// Platform seam: the one thread that owns all program state, and the hand-off that lets a
// worker thread run code there and wait for it.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace melvoro {

class UiThread {
  struct State;

 public:
  UiThread(const UiThread&) = delete;
  UiThread& operator=(const UiThread&) = delete;
  virtual ~UiThread();

  // Runs task on the UI thread and waits until it has run; an exception it throws is
  // rethrown here. Returns false, without running task, once shutdown has begun. Called on
  // the UI thread itself, runs task at once.
  bool RunAndWait(const std::function<void()>& task);

  // Queues task for the UI thread without waiting; false once shutdown has begun.
  bool Post(std::function<void()> task);

  bool IsUiThread() const { return std::this_thread::get_id() == ui_thread_id_; }

  // On the UI thread, at the end: refuses every further hand-off, releases workers that wait
  // for one, asks every registered worker to abort and waits up to `grace` for them to end.
  // Idempotent. Subclasses call it from their destructor, before their queue goes away.
  void Shutdown(std::chrono::milliseconds grace = std::chrono::seconds(5));

  // Held by a worker thread for as long as it runs. Outlives the UiThread safely.
  class WorkerLink {
   public:
    ~WorkerLink();
    WorkerLink(const WorkerLink&) = delete;
    WorkerLink& operator=(const WorkerLink&) = delete;

    bool RunAndWait(const std::function<void()>& task);
    bool AbortRequested() const { return abort_->load(std::memory_order_relaxed); }
    // The flag itself, for code that polls it from a callback.
    const std::atomic<bool>& AbortFlag() const { return *abort_; }

   private:
    friend class UiThread;
    WorkerLink(std::shared_ptr<State> state, std::shared_ptr<std::atomic<bool>> abort);
    std::shared_ptr<State> state_;
    std::shared_ptr<std::atomic<bool>> abort_;
  };

  // Registers a worker; it counts as running until the link is destroyed.
  std::unique_ptr<WorkerLink> AttachWorker();

  // Workers registered and not yet ended.
  int RunningWorkers() const;

 protected:
  // Captures the calling thread as the UI thread.
  UiThread();
  // Delivers task to the UI thread's loop, to run soon. Called with an internal lock held:
  // it must only queue, never call back into this object.
  virtual void Enqueue(std::function<void()> task) = 0;

 private:
  static bool RunAndWaitOn(const std::shared_ptr<State>& state, const std::function<void()>& task);

  std::shared_ptr<State> state_;
  std::thread::id ui_thread_id_;
};

}  // namespace melvoro
