// Download throughput and memory of the request worker, beside the curl command fetching
// the same file from the same netsim in the same run.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "core/activity_indicator.h"
#include "core/console_message_boxes.h"
#include "core/event_loop.h"
#include "core/gethttp.h"
#include "core/process.h"
#include "support/netsim_process.h"
#include "support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kBytes = 256u << 20;
constexpr int kRounds = 3;

long MaxRssKb(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return usage.ru_maxrss;
}

// Seconds for one download through TGethttp, progress handler set as the download list sets it.
double WorkerSeconds(const std::string& url, const std::filesystem::path& file, int& reports) {
  melvoro::EventLoop loop;
  melvoro::ActivityIndicator activity;
  melvoro::ConsoleMessageBoxes boxes;
  auto worker = std::make_unique<melvoro::TGethttp>(melvoro::RequestContext{loop, activity, boxes});
  worker->Url = url;
  worker->FileName = file.string();
  worker->OnProgress = [&](melvoro::TGethttp&, std::uint8_t) { ++reports; };
  const auto start = Clock::now();
  melvoro::TGethttp::Start(std::move(worker));
  loop.RunUntil([&] { return loop.RunningWorkers() == 0; }, std::chrono::minutes(5));
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double CurlSeconds(const std::string& url, const std::filesystem::path& file) {
  const auto start = Clock::now();
  const auto result = melvoro::RunProcess("/usr/bin/curl", {"-s", "-o", file.string(), url});
  if (!result.Started || result.ExitCode != 0) std::cerr << "curl failed\n";
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Best of kRounds for both clients writing into folder; false when a file came out wrong.
bool Compare(const std::string& url, const std::filesystem::path& folder, const char* label) {
  const double megabytes = static_cast<double>(kBytes) / (1 << 20);
  const long rss_before = MaxRssKb(RUSAGE_SELF);
  double worker_best = 1e9;
  double curl_best = 1e9;
  int reports = 0;
  for (int round = 0; round < kRounds; ++round) {
    std::filesystem::remove(folder / "worker.bin");
    worker_best = std::min(worker_best, WorkerSeconds(url, folder / "worker.bin", reports));
    std::filesystem::remove(folder / "curl.bin");
    curl_best = std::min(curl_best, CurlSeconds(url, folder / "curl.bin"));
  }
  const long worker_growth_kb = MaxRssKb(RUSAGE_SELF) - rss_before;
  const bool same_size = std::filesystem::file_size(folder / "worker.bin") == kBytes &&
                         std::filesystem::file_size(folder / "curl.bin") == kBytes;

  std::printf("%.0f MiB into %s (%s), best of %d\n", megabytes, folder.c_str(), label, kRounds);
  std::printf("  TGethttp        %8.0f MiB/s   peak memory growth %6.1f MiB   %d progress reports\n",
              megabytes / worker_best, worker_growth_kb / 1024.0, reports / kRounds);
  std::printf("  curl (reference)%8.0f MiB/s   peak memory        %6.1f MiB\n", megabytes / curl_best,
              MaxRssKb(RUSAGE_CHILDREN) / 1024.0);
  std::printf("  ratio TGethttp/curl: %.2f%s\n", curl_best / worker_best,
              same_size ? "" : "  (SIZE MISMATCH)");
  return same_size;
}

}  // namespace

int main() {
  melvoro::test::NetsimProcess netsim;
  const std::string url = netsim.Url("/_netsim/blob?bytes=" + std::to_string(kBytes));
  std::printf("download from netsim on loopback\n");
  bool ok = true;
  // In memory-backed files the clients are measured; on a disk, mostly the disk.
  if (std::filesystem::is_directory("/dev/shm")) {
    const auto folder = std::filesystem::path("/dev/shm") / ("melvoro-bench-" + std::to_string(getpid()));
    std::filesystem::create_directory(folder);
    ok = Compare(url, folder, "memory") && ok;
    std::filesystem::remove_all(folder);
  }
  melvoro::test::TempDir dir;
  ok = Compare(url, dir.path(), "disk") && ok;
  return ok ? 0 : 1;
}
