#include "core/os/ui_thread.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <unordered_set>

namespace melvoro {

namespace {

// One hand-off from a worker: the waiting worker and the UI thread meet here.
struct Call {
  enum class Stage { Pending, Running, Done, Cancelled };
  std::mutex mutex;
  std::condition_variable changed;
  Stage stage = Stage::Pending;
  std::exception_ptr error;
};

}  // namespace

// Shared with worker threads, so a worker that outlives the UiThread still finds it.
struct UiThread::State {
  std::mutex mutex;
  std::condition_variable workers_changed;
  UiThread* owner = nullptr;  // null once shutdown began: nothing reaches the queue after that
  std::unordered_set<std::shared_ptr<Call>> pending;
  std::unordered_set<std::shared_ptr<std::atomic<bool>>> workers;
};

UiThread::UiThread() : state_(std::make_shared<State>()), ui_thread_id_(std::this_thread::get_id()) {
  state_->owner = this;
}

UiThread::~UiThread() { Shutdown(); }

bool UiThread::RunAndWait(const std::function<void()>& task) {
  if (IsUiThread()) {
    task();
    return true;
  }
  return RunAndWaitOn(state_, task);
}

bool UiThread::RunAndWaitOn(const std::shared_ptr<State>& state, const std::function<void()>& task) {
  auto call = std::make_shared<Call>();
  {
    std::lock_guard lock(state->mutex);
    if (!state->owner) return false;
    state->pending.insert(call);
    state->owner->Enqueue([call, &task] {
      {
        std::lock_guard call_lock(call->mutex);
        if (call->stage != Call::Stage::Pending) return;  // cancelled at shutdown
        call->stage = Call::Stage::Running;
      }
      // `task` lives on the waiting worker's stack, which waits until Done.
      try {
        task();
      } catch (...) {
        call->error = std::current_exception();
      }
      {
        std::lock_guard call_lock(call->mutex);
        call->stage = Call::Stage::Done;
      }
      call->changed.notify_all();
    });
  }

  std::unique_lock call_lock(call->mutex);
  call->changed.wait(
      call_lock, [&] { return call->stage == Call::Stage::Done || call->stage == Call::Stage::Cancelled; });
  const bool ran = call->stage == Call::Stage::Done;
  // Take the exception out of the call: the UI thread may drop the call's last reference, and
  // the exception must then belong to this thread alone.
  const std::exception_ptr error = std::move(call->error);
  call_lock.unlock();
  {
    std::lock_guard lock(state->mutex);
    state->pending.erase(call);
  }
  if (error) std::rethrow_exception(error);
  return ran;
}

bool UiThread::Post(std::function<void()> task) {
  std::lock_guard lock(state_->mutex);
  if (!state_->owner) return false;
  state_->owner->Enqueue(std::move(task));
  return true;
}

void UiThread::Shutdown(std::chrono::milliseconds grace) {
  std::unique_lock lock(state_->mutex);
  if (!state_->owner) return;  // the first call has waited already
  state_->owner = nullptr;
  for (const auto& call : state_->pending) {
    {
      std::lock_guard call_lock(call->mutex);
      if (call->stage == Call::Stage::Pending) call->stage = Call::Stage::Cancelled;
    }
    call->changed.notify_all();
  }
  for (const auto& abort : state_->workers) abort->store(true);
  state_->workers_changed.wait_for(lock, grace, [&] { return state_->workers.empty(); });
}

std::unique_ptr<UiThread::WorkerLink> UiThread::AttachWorker() {
  auto abort = std::make_shared<std::atomic<bool>>(false);
  std::lock_guard lock(state_->mutex);
  if (!state_->owner) abort->store(true);  // too late: it should not even start
  state_->workers.insert(abort);
  return std::unique_ptr<WorkerLink>(new WorkerLink(state_, std::move(abort)));
}

int UiThread::RunningWorkers() const {
  std::lock_guard lock(state_->mutex);
  return static_cast<int>(state_->workers.size());
}

UiThread::WorkerLink::WorkerLink(std::shared_ptr<State> state, std::shared_ptr<std::atomic<bool>> abort)
    : state_(std::move(state)), abort_(std::move(abort)) {}

UiThread::WorkerLink::~WorkerLink() {
  {
    std::lock_guard lock(state_->mutex);
    state_->workers.erase(abort_);
  }
  state_->workers_changed.notify_all();
}

bool UiThread::WorkerLink::RunAndWait(const std::function<void()>& task) {
  return UiThread::RunAndWaitOn(state_, task);
}

}  // namespace melvoro
