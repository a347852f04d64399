#include "worker_run.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "core/http/http_request.h"
#include "core/log/activity_indicator.h"
#include "core/os/console_message_boxes.h"
#include "core/os/event_loop.h"
#include "core/text/cp1251.h"

namespace melvoro::bench {

namespace {

// VmHWM belongs to this process's own address space. A child's ru_maxrss would not do: it
// also counts the parent's peak from before the exec (posix_spawn shares the parent's memory
// until then).
long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace

std::filesystem::path WorkerFile(const std::filesystem::path& folder, int index) {
  return folder / ("worker-" + std::to_string(index) + ".bin");
}

int RunWorkers(const std::string& url, const std::filesystem::path& folder, int count) {
  EventLoop loop;
  ActivityIndicator activity;
  ConsoleMessageBoxes boxes;
  int reports = 0;
  int failures = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) {
    auto worker = std::make_unique<HttpRequest>(RequestContext{loop, activity, boxes});
    worker->Url = url;
    worker->FileName = WorkerFile(folder, i).string();
    // With a progress handler the worker reads the declared length and reports as it does
    // for the download list.
    worker->OnProgress = [&](HttpRequest&, std::uint8_t) { ++reports; };
    worker->OnError = [&](HttpRequest& failed, const std::string& message) {
      ++failures;
      std::cerr << failed.FileName << ": " << Cp1251ToUtf8(message) << '\n';
    };
    HttpRequest::Start(std::move(worker));
  }
  const bool ended = loop.RunUntil([&] { return loop.RunningWorkers() == 0; }, std::chrono::minutes(10));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!ended) std::cerr << "workers still running after 10 minutes\n";
  std::printf("%.6f %ld %d\n", seconds, PeakResidentKb(), reports);
  return ended && failures == 0 ? 0 : 1;
}

std::optional<WorkerRunResult> ParseWorkerRunResult(const std::string& line) {
  std::istringstream in(line);
  WorkerRunResult result;
  if (!(in >> result.seconds >> result.peak_kb >> result.reports) || result.seconds <= 0) return std::nullopt;
  return result;
}

}  // namespace melvoro::bench
