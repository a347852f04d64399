// Download throughput and memory of the request worker, beside the curl command fetching the
// same files from the same netsim in the same run: one file, then five at once.
#include <spawn.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "bench_env.h"
#include "core/os/process.h"
#include "support/netsim_process.h"
#include "support/temp_dir.h"
#include "worker_run.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
constexpr std::uint64_t kDefaultMiB = 512;
constexpr int kDefaultRounds = 3;
constexpr int kParallel = 5;
constexpr std::uint64_t kWantedFree = std::uint64_t{3} << 30;
constexpr std::uint64_t kHeadroom = 512 * kMiB;  // left free for everyone else on the machine
constexpr double kTargetRatio = 0.9;
constexpr double kTargetPeakMiB = 64;

fs::path CurlFile(const fs::path& folder, int index) {
  return folder / ("curl-" + std::to_string(index) + ".bin");
}

// Seconds for `count` curl processes fetching url at once; negative when one failed.
double CurlSeconds(const std::string& url, const fs::path& folder, int count) {
  const auto start = Clock::now();
  std::vector<pid_t> pids;
  bool ok = true;
  for (int i = 0; i < count; ++i) {
    const std::string file = CurlFile(folder, i).string();
    const char* argv[] = {"curl", "-s", "-o", file.c_str(), url.c_str(), nullptr};
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, "curl", nullptr, nullptr, const_cast<char**>(argv), environ);
    if (rc != 0) {
      std::cerr << "cannot start curl: " << std::strerror(rc) << '\n';
      ok = false;
      break;
    }
    pids.push_back(pid);
  }
  for (const pid_t pid : pids) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return ok ? seconds : -1;
}

// Every file of a round must have come out whole; all of them go, so the disk does not fill.
bool CheckAndRemove(const std::vector<fs::path>& files, std::uint64_t bytes) {
  bool whole = true;
  for (const fs::path& file : files) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size != bytes) {
      std::cerr << file.string() << ": " << (error ? error.message() : std::to_string(size) + " bytes")
                << '\n';
      whole = false;
    }
    fs::remove(file, error);
  }
  return whole;
}

struct Comparison {
  double worker_best = 1e9;
  double curl_best = 1e9;
  long worker_peak_kb = 0;
  int reports = 0;  // of the last round
  bool ok = true;
};

// Best of `rounds`, the two clients taking turns so that a busy moment of the machine does
// not fall on one side only.
Comparison Compare(const std::string& url, const fs::path& folder, int count, std::uint64_t bytes,
                   int rounds) {
  Comparison c;
  std::vector<fs::path> worker_files;
  std::vector<fs::path> curl_files;
  for (int i = 0; i < count; ++i) {
    worker_files.push_back(melvoro::bench::WorkerFile(folder, i));
    curl_files.push_back(CurlFile(folder, i));
  }
  for (int round = 0; round < rounds; ++round) {
    const melvoro::ProcessResult run = melvoro::RunProcess(
        melvoro::bench::OwnExecutable(),
        {std::string(melvoro::bench::kWorkerRunFlag), url, folder.string(), std::to_string(count)});
    const auto worker = melvoro::bench::ParseWorkerRunResult(run.Output);
    c.ok = CheckAndRemove(worker_files, bytes) && run.ExitCode == 0 && worker && c.ok;
    if (worker) {
      c.worker_best = std::min(c.worker_best, worker->seconds);
      c.worker_peak_kb = std::max(c.worker_peak_kb, worker->peak_kb);
      c.reports = worker->reports;
    }
    const double curl = CurlSeconds(url, folder, count);
    c.ok = CheckAndRemove(curl_files, bytes) && curl > 0 && c.ok;
    if (curl > 0) c.curl_best = std::min(c.curl_best, curl);
  }
  return c;
}

void Print(const Comparison& c, const std::string& what, int count, std::uint64_t bytes) {
  const double mib = static_cast<double>(bytes * static_cast<std::uint64_t>(count)) / kMiB;
  const double ratio = c.curl_best / c.worker_best;
  std::printf("%s\n", what.c_str());
  std::printf(
      "  HttpRequest         %7.0f MiB/s   peak resident %5.1f MiB (target under %.0f MiB)%s   %d reports\n",
      mib / c.worker_best, c.worker_peak_kb / 1024.0, kTargetPeakMiB,
      c.worker_peak_kb / 1024.0 < kTargetPeakMiB ? "" : " MISSED", c.reports);
  std::printf("  curl -s -o       %7.0f MiB/s   (reference, %d process%s)\n", mib / c.curl_best, count,
              count == 1 ? "" : "es at once");
  std::printf("  ratio HttpRequest/curl %.2f (target at least %.2f)%s%s\n", ratio, kTargetRatio,
              ratio >= kTargetRatio ? "" : " MISSED", c.ok ? "" : "   SOME TRANSFERS FAILED, see above");
  std::fflush(stdout);
}

bool MemoryBacked(const fs::path& folder) {
  struct statfs info {};
  return statfs(folder.c_str(), &info) == 0 && info.f_type == 0x01021994;  // TMPFS_MAGIC
}

// The file size, up to wanted, at which `count` files fit with room to spare; 0 when not even
// one MiB each does. Prints a note when it had to scale down.
std::uint64_t FittingBytes(const fs::path& folder, std::uint64_t wanted, int count) {
  const std::uint64_t available = fs::space(folder).available;
  const std::uint64_t usable = available > kHeadroom ? available - kHeadroom : 0;
  if (available >= kWantedFree && usable >= wanted * count) return wanted;
  const std::uint64_t fitting = std::min(wanted, usable / 2 / count / kMiB * kMiB);
  std::printf("note: %.1f GiB free in %s: ", static_cast<double>(available) / (kMiB * 1024), folder.c_str());
  if (fitting == 0) {
    std::printf("too little, skipped\n");
  } else {
    std::printf("files scaled down to %llu MiB\n", static_cast<unsigned long long>(fitting / kMiB));
  }
  return fitting;
}

// A folder of this run in memory, removed with its files however the run ends.
struct ShmFolder {
  fs::path path = fs::path("/dev/shm") / ("melvoro-bench-" + std::to_string(getpid()));
  ShmFolder() { fs::create_directory(path); }
  ~ShmFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  ShmFolder(const ShmFolder&) = delete;
  ShmFolder& operator=(const ShmFolder&) = delete;
};

int Usage() {
  std::cerr << "usage: download_bench [--mib N] [--rounds N]\n";
  return 2;
}

// Every comparison in turn; the exit code, 1 when a transfer failed or came out wrong.
int Run(std::uint64_t wanted, int rounds) {
  melvoro::bench::FindProgramsBesideSelf();
  melvoro::test::NetsimProcess netsim;
  const auto url = [&](std::uint64_t bytes) {
    return netsim.Url("/_netsim/blob?bytes=" + std::to_string(bytes));
  };
  std::printf("downloads from netsim on loopback, best of %d round%s\n", rounds, rounds == 1 ? "" : "s");
  bool ok = true;

  melvoro::test::TempDir dir;
  const std::string kind = MemoryBacked(dir.path()) ? "memory" : "disk";
  const std::uint64_t bytes = FittingBytes(dir.path(), wanted, kParallel);
  if (bytes > 0) {
    const std::string size = std::to_string(bytes / kMiB) + " MiB";
    Comparison one = Compare(url(bytes), dir.path(), 1, bytes, rounds);
    Print(one, "one file of " + size + " into " + dir.path().string() + " (" + kind + ")", 1, bytes);
    Comparison five = Compare(url(bytes), dir.path(), kParallel, bytes, rounds);
    Print(five,
          std::to_string(kParallel) + " files of " + size + " at once (" + kind +
              "), one UI thread for all workers; rates are for all files together",
          kParallel, bytes);
    ok = one.ok && five.ok;
  }

  // In a memory-backed folder the clients are measured; on a disk, partly the disk.
  if (kind == "disk" && fs::is_directory("/dev/shm")) {
    const ShmFolder folder;
    const fs::path& shm = folder.path;
    if (const std::uint64_t shm_bytes = FittingBytes(shm, wanted, 1); shm_bytes > 0) {
      Comparison one = Compare(url(shm_bytes), shm, 1, shm_bytes, rounds);
      Print(one, "one file of " + std::to_string(shm_bytes / kMiB) + " MiB into /dev/shm (memory)", 1,
            shm_bytes);
      ok = one.ok && ok;
    }
  }
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && argv[1] == melvoro::bench::kWorkerRunFlag)
    return melvoro::bench::RunWorkers(argv[2], argv[3], std::atoi(argv[4]));

  std::uint64_t wanted = kDefaultMiB * kMiB;
  int rounds = kDefaultRounds;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return Usage();
    const long value = std::atol(argv[++i]);
    if (value <= 0) return Usage();
    if (arg == "--mib") {
      wanted = static_cast<std::uint64_t>(value) * kMiB;
    } else if (arg == "--rounds") {
      rounds = static_cast<int>(value);
    } else {
      return Usage();
    }
  }

  try {
    return Run(wanted, rounds);
  } catch (const std::exception& error) {
    std::cerr << "download_bench: " << error.what() << '\n';
    return 1;
  }
}
