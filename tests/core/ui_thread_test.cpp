#include "core/os/ui_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>

#include "core/os/event_loop.h"

namespace melvoro {
namespace {

using namespace std::chrono_literals;

TEST(UiThread, WorkerCallsRunOnTheUiThreadInOrderAndWait) {
  EventLoop loop;
  std::vector<int> seen;
  std::atomic<bool> finished = false;
  std::thread worker([&] {
    auto link = loop.AttachWorker();
    for (int i = 0; i < 50; ++i) {
      EXPECT_TRUE(link->RunAndWait([&, i] {
        EXPECT_TRUE(loop.IsUiThread());
        seen.push_back(i);
      }));
      EXPECT_EQ(seen.size(), static_cast<std::size_t>(i + 1));  // the call has run before it returns
    }
    finished = true;
  });
  EXPECT_TRUE(loop.RunUntil([&] { return finished.load(); }, 10s));
  worker.join();
  EXPECT_EQ(seen.size(), 50u);
}

TEST(UiThread, ExceptionsTravelBackToTheWorker) {
  EventLoop loop;
  std::promise<std::string> message;
  std::thread worker([&] {
    auto link = loop.AttachWorker();
    try {
      link->RunAndWait([] { throw std::runtime_error("parse failed"); });
      message.set_value("no exception");
    } catch (const std::exception& e) {
      message.set_value(e.what());
    }
  });
  auto result = message.get_future();
  loop.RunUntil([&] { return result.wait_for(0ms) == std::future_status::ready; }, 10s);
  worker.join();
  EXPECT_EQ(result.get(), "parse failed");
}

TEST(UiThread, ShutdownReleasesAWaitingWorkerWithoutRunningItsCall) {
  auto loop = std::make_unique<EventLoop>();
  std::atomic<bool> waiting = false;
  std::atomic<bool> ran = false;
  std::promise<bool> returned;
  std::thread worker([&, link = loop->AttachWorker()]() mutable {
    waiting = true;
    returned.set_value(link->RunAndWait([&] { ran = true; }));
    while (!link->AbortRequested()) std::this_thread::sleep_for(1ms);
    link.reset();
  });
  while (!waiting) std::this_thread::sleep_for(1ms);
  std::this_thread::sleep_for(20ms);  // let the worker block inside RunAndWait
  loop->Shutdown(5s);                 // must not deadlock on the blocked worker
  EXPECT_FALSE(returned.get_future().get());
  EXPECT_EQ(loop->RunningWorkers(), 0);
  loop->RunPending();  // the queued call, if still queued, must not run now
  EXPECT_FALSE(ran);
  worker.join();
  loop.reset();
}

TEST(UiThread, LinksOutliveTheirUiThread) {
  auto loop = std::make_unique<EventLoop>();
  auto link = loop->AttachWorker();
  loop->Shutdown(50ms);  // waits briefly for the worker, then gives up on it
  loop.reset();
  EXPECT_TRUE(link->AbortRequested());
  EXPECT_FALSE(link->RunAndWait([] { FAIL() << "ran after the UI thread ended"; }));
}

TEST(UiThread, OnTheUiThreadItselfRunsAtOnce) {
  EventLoop loop;
  int runs = 0;
  EXPECT_TRUE(loop.RunAndWait([&] { ++runs; }));
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(loop.Post([&] { ++runs; }));
  loop.RunPending();
  EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace melvoro
