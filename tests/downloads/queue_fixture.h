// The engine (a download queue with its controller and result rows) on a test UI thread. Workers started
// by a tick wait for the UI thread before they touch the network, so a test that never runs
// the loop sees exactly what the tick did; the loop's shutdown sends them away unheard.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/engine.h"
#include "core/config/settings_table.h"
#include "core/http/hosts.h"
#include "core/log/activity_indicator.h"
#include "core/log/program_log.h"
#include "core/os/event_loop.h"
#include "core/os/message_box.h"
#include "downloads/download_queue.h"
#include "search/result_rows.h"
#include "search/search_controller.h"
#include "support/recording_boxes.h"
#include "support/temp_dir.h"

namespace melvoro::test {

class QueueFixture : public ::testing::Test {
 protected:
  // By default nothing listens at the network host: a request that gets out fails at once.
  explicit QueueFixture(const Hosts& network = DeadHosts()) : engine(Configure(network, dir), loop, boxes) {}

  // The rows' states as their icon numbers.
  std::vector<int> States() const {
    std::vector<int> states;
    for (int i = 0; i < queue.List().Count(); ++i)
      states.push_back(static_cast<int>(queue.List().Row(i).State));
    return states;
  }
  int AddReady(const std::string& name, const std::string& link = "http://127.0.0.1:1/a.mp3") {
    return queue.AddFoundSong(queue.List().Count() + 1, name, link);
  }
  std::string LogDescription(std::size_t newest_first) const { return log.At(newest_first).Description; }

  static Hosts DeadHosts() {
    Hosts hosts;
    hosts.Network = "127.0.0.1:1";
    return hosts;
  }
  static Configuration Configure(const Hosts& hosts, const TempDir& folder) {
    Configuration config;
    config.Hosts = hosts;
    config.Settings.Set("cookie", "remixsid=1");
    config.Settings.Set("ThreadsCount", "5");
    config.Settings.Set("UploadDir", folder.path().string() + "/");
    return config;
  }

  EventLoop loop;
  RecordingBoxes boxes;
  TempDir dir;
  Engine engine;
  SettingsTable& settings = engine.Settings();
  ProgramLog& log = engine.Log();
  RequestContext context = engine.Requests();
  SearchController& controller = engine.Controller();
  ResultRows& results = engine.Results();
  DownloadQueue& queue = engine.Queue();
};

}  // namespace melvoro::test
