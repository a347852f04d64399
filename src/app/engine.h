// The one owner of the engine's graph: the configuration, the activity indicator, the log, the
// search controller, the result rows, the download queue, the charts list and the friends list.
// The window, the console and the tests build it the same way and take it by reference; it is
// built only after start-up has decided the program goes on.
#pragma once

#include "app/startup.h"
#include "charts/chart_list.h"
#include "core/http/http_request.h"
#include "core/log/activity_indicator.h"
#include "core/log/program_log.h"
#include "downloads/download_queue.h"
#include "friends/friends_list.h"
#include "search/result_rows.h"
#include "search/search_controller.h"

namespace melvoro {

class MessageBoxes;
class UiThread;

class Engine {
 public:
  // ui and boxes must outlive the engine.
  Engine(Configuration config, UiThread& ui, MessageBoxes& boxes);
  // Stops every transfer first: no worker may report to a part that is already gone.
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Aborts running requests and waits for them; nothing reaches the engine afterwards.
  // Each transfer removes its part file, so no partial song stands under its name.
  void Shutdown();

  SettingsTable& Settings() { return config_.Settings; }
  const SettingsTable& Settings() const { return config_.Settings; }
  const Hosts& HostsTable() const { return config_.Hosts; }
  ActivityIndicator& Activity() { return activity_; }
  ProgramLog& Log() { return log_; }
  SearchController& Controller() { return controller_; }
  ResultRows& Results() { return results_; }
  DownloadQueue& Queue() { return queue_; }
  ChartList& Charts() { return charts_; }
  FriendsList& Friends() { return friends_; }
  // What a request worker of any window reports to.
  RequestContext Requests() { return RequestContext{ui_, activity_, boxes_}; }
  MessageBoxes& Boxes() { return boxes_; }

 private:
  // Declared in the order they depend on each other.
  Configuration config_;
  UiThread& ui_;
  MessageBoxes& boxes_;
  ActivityIndicator activity_;
  ProgramLog log_;
  SearchController controller_;
  ResultRows results_;
  DownloadQueue queue_;
  ChartList charts_;
  FriendsList friends_;
};

}  // namespace melvoro
