// Runs request workers on an EventLoop and records every notification in order.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/http/http_request.h"
#include "core/log/activity_indicator.h"
#include "core/os/event_loop.h"
#include "core/os/message_box.h"
#include "support/recording_boxes.h"

namespace melvoro::test {

struct Notification {
  std::string what;  // "begin", "progress", "done", "error", "end"
  int value = 0;     // percent for progress, status for done
  std::string text;  // message for error
  std::chrono::steady_clock::time_point at;
  bool on_ui_thread = false;
};

class RequestHarness {
 public:
  RequestHarness();

  // A worker wired to record its notifications; configure it, then Start() it.
  std::unique_ptr<HttpRequest> NewWorker(const std::string& url);

  // Starts worker and runs the loop until it has ended (or 30 s passed).
  std::vector<Notification> Run(std::unique_ptr<HttpRequest> worker);

  // Runs the loop until `count` requests have ended.
  bool WaitForEnds(int count, std::chrono::milliseconds timeout = std::chrono::seconds(30));

  // Only the notifications of one kind.
  static std::vector<Notification> Only(const std::vector<Notification>& all, const std::string& what);
  static std::string Sequence(const std::vector<Notification>& all);  // "begin progress done end"

  EventLoop loop;
  ActivityIndicator activity;
  RecordingBoxes boxes;
  std::vector<Notification> log;
  std::vector<int> intervals_at_begin;
  int ends = 0;

 private:
  void Record(std::string what, int value = 0, std::string text = {});
  int running_ = 0;
};

}  // namespace melvoro::test
