// The Qt UI thread with real request workers against netsim.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <memory>
#include <string>
#include <vector>

#include "core/http/http_request.h"
#include "core/log/activity_indicator.h"
#include "core/request_harness.h"
#include "qt_seams/qt_ui_thread.h"
#include "seam_wait.h"
#include "support/netsim_process.h"

namespace melvoro {
namespace {

using test::NetsimProcess;
using test::RecordingBoxes;
using test::WaitUntil;

bool OnGuiThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

TEST(SeamUiThread, EveryNotificationRunsOnTheGuiThreadInOrder) {
  const NetsimProcess netsim;
  ui::QtUiThread ui;
  ActivityIndicator activity;
  RecordingBoxes boxes;
  std::vector<std::string> seen;
  bool all_on_gui_thread = true;
  const auto note = [&](std::string what) {
    all_on_gui_thread = all_on_gui_thread && OnGuiThread();
    if (seen.empty() || seen.back() != what) seen.push_back(std::move(what));
  };
  activity.OnChange.Add([&] { note(activity.Active() ? "active" : "idle"); });

  auto worker = std::make_unique<HttpRequest>(RequestContext{ui, activity, boxes});
  worker->Url = "http://" + netsim.Host("support") + "/isword.txt";
  std::string body;
  worker->OnProgress = [&](HttpRequest&, std::uint8_t) { note("progress"); };
  worker->OnDone = [&](HttpRequest& done) {
    note("done");
    body = done.Response;
  };
  HttpRequest::Start(std::move(worker));

  ASSERT_TRUE(WaitUntil([&] { return ui.RunningWorkers() == 0; }));
  QCoreApplication::processEvents();
  EXPECT_TRUE(all_on_gui_thread);
  EXPECT_EQ(seen, (std::vector<std::string>{"active", "progress", "done", "idle"}));
  EXPECT_NE(body.find("Melvoro"), std::string::npos) << body;
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(SeamUiThread, HandlerErrorsAndFailuresComeBackOnTheGuiThread) {
  const NetsimProcess netsim;
  ui::QtUiThread ui;
  ActivityIndicator activity;
  RecordingBoxes boxes;
  std::vector<std::string> errors;
  bool on_gui_thread = true;

  for (const std::string path : {"/isword.txt?netsim_fault=404", "/isword.txt"}) {
    auto worker = std::make_unique<HttpRequest>(RequestContext{ui, activity, boxes});
    worker->Url = "http://" + netsim.Host("support") + path;
    // The second one fails inside its own completion handler.
    worker->OnDone = [](HttpRequest&) { throw std::runtime_error("parse failed"); };
    worker->OnError = [&](HttpRequest&, const std::string& message) {
      on_gui_thread = on_gui_thread && OnGuiThread();
      errors.push_back(message);
    };
    HttpRequest::Start(std::move(worker));
    ASSERT_TRUE(WaitUntil([&] { return ui.RunningWorkers() == 0; }));
  }
  EXPECT_TRUE(on_gui_thread);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[0].find("404"), std::string::npos) << errors[0];
  EXPECT_EQ(errors[1], "parse failed");
  EXPECT_FALSE(activity.Active());
}

TEST(SeamUiThread, DestroyingItWhileARequestStallsEndsTheWorker) {
  const NetsimProcess netsim;
  auto ui = std::make_unique<ui::QtUiThread>();
  ActivityIndicator activity;
  RecordingBoxes boxes;
  auto alive = std::make_shared<int>(0);
  const std::weak_ptr<int> handlers_alive = alive;
  bool completed = false;

  auto worker = std::make_unique<HttpRequest>(RequestContext{*ui, activity, boxes});
  worker->Url = "http://" + netsim.Host("support") + "/isword.txt?netsim_fault=stall";
  worker->OnDone = [alive, &completed](HttpRequest&) { completed = true; };
  worker->OnError = [alive, &completed](HttpRequest&, const std::string&) { completed = true; };
  alive.reset();
  HttpRequest::Start(std::move(worker));
  ASSERT_TRUE(WaitUntil([&] { return activity.Active(); }));

  ui.reset();
  // The worker frees its handlers before it counts as ended; shutdown waited for that.
  EXPECT_TRUE(handlers_alive.expired());
  EXPECT_FALSE(completed);
  EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace melvoro
