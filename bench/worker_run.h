// The request-worker side of the download benchmark. It runs in a process of its own, so that
// its peak memory is the workers' alone, not the parent's or curl's.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace melvoro::bench {

// The hidden flag that makes the benchmark binary run the workers: <flag> URL FOLDER COUNT.
inline constexpr std::string_view kWorkerRunFlag = "--run-workers";

struct WorkerRunResult {
  double seconds = 0;  // from the first start to the last end
  long peak_kb = 0;    // VmHWM of the process
  int reports = 0;     // progress notifications, all workers together
};

std::filesystem::path WorkerFile(const std::filesystem::path& folder, int index);

// Streams url into `count` files of folder at once, one HttpRequest each on one UI thread, as
// the download list runs them. Prints the result line; 0 when every worker succeeded.
int RunWorkers(const std::string& url, const std::filesystem::path& folder, int count);

// The result line RunWorkers printed; nullopt when it is not one.
std::optional<WorkerRunResult> ParseWorkerRunResult(const std::string& line);

}  // namespace melvoro::bench
