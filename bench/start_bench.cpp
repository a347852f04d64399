// How soon the download list starts a transfer: from a click on a ready row to its request
// reaching netsim, and fifty songs two at a time at full speed (the list's total time beside
// the transfers' own). Each is measured with transfers started at once and, as the reference,
// with only the once-a-second tick starting them. Targets: under 50 ms; idle slots under 5 %.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "app/engine.h"
#include "bench_env.h"
#include "core/os/event_loop.h"
#include "core/os/message_box.h"
#include "support/netsim_process.h"

namespace {

using namespace melvoro;
using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

constexpr int kClicks = 10;
constexpr int kSongs = 50;
constexpr std::uint64_t kSongBytes = 4'000'000;  // about a four-minute song

class SilentBoxes final : public MessageBoxes {
 public:
  void Show(const std::string&, const std::string&, MessageIcon) override {}
};

std::filesystem::path ScratchFolder() {
  const std::filesystem::path shm = "/dev/shm";
  const std::filesystem::path base =
      std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
  std::filesystem::path folder = base / ("melvoro-start-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  return folder;
}

// One download list against netsim, with the front's one-second timer played by Run.
class Front {
 public:
  Front(const test::NetsimProcess& netsim, const std::filesystem::path& folder, bool at_once)
      : engine_(Configure(netsim, folder), loop_, boxes_), netsim_(netsim) {
    engine_.Queue().StartAtOnce = at_once;
    engine_.Queue().List().OnRowChanged.Add([this](int index) { Changed(index); });
  }
  ~Front() { engine_.Shutdown(); }

  DownloadQueue& Queue() { return engine_.Queue(); }

  // Runs the loop in steps of a millisecond until done(), ticking once a second from the start.
  bool Run(const std::function<bool()>& done, std::chrono::seconds timeout) {
    const auto until = Clock::now() + timeout;
    while (!done()) {
      if (Clock::now() >= until) return false;
      if (Clock::now() >= next_tick_) {
        next_tick_ += std::chrono::seconds(1);
        Queue().Tick();
      }
      loop_.RunUntil([] { return false; }, std::chrono::milliseconds(1));
    }
    return true;
  }
  void StartTicking() { next_tick_ = Clock::now() + std::chrono::seconds(1); }

  std::uintmax_t LogSize() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(netsim_.log_path(), error);
    return error ? 0 : size;
  }
  bool AllDone() {
    const DownloadList& list = engine_.Queue().List();
    for (int i = 0; i < list.Count(); ++i)
      if (list.Row(i).State != DownloadState::Done) return false;
    return true;
  }
  bool AnyFailed() {
    const DownloadList& list = engine_.Queue().List();
    for (int i = 0; i < list.Count(); ++i)
      if (list.Row(i).State == DownloadState::Failed) return true;
    return false;
  }
  // The sum of the transfers' own times, from start to completion.
  Millis TransferTimes() const {
    Millis sum{};
    for (const auto& [start, end] : spans_) sum += end - start;
    return sum;
  }

 private:
  static Configuration Configure(const test::NetsimProcess& netsim, const std::filesystem::path& folder) {
    Configuration config;
    config.Hosts = netsim.HostsTable();
    config.Settings.Set("cookie", "remixsid=1");
    config.Settings.Set("ThreadsCount", "2");
    config.Settings.Set("UploadDir", folder.string() + "/");
    return config;
  }
  void Changed(int index) {
    if (static_cast<std::size_t>(index) >= spans_.size()) spans_.resize(static_cast<std::size_t>(index) + 1);
    const DownloadState state = engine_.Queue().List().Row(index).State;
    auto& [start, end] = spans_[static_cast<std::size_t>(index)];
    if (state == DownloadState::Transferring && start == Clock::time_point{}) start = Clock::now();
    if (state == DownloadState::Done && end == Clock::time_point{}) end = Clock::now();
  }

  EventLoop loop_;
  SilentBoxes boxes_;
  Engine engine_;
  const test::NetsimProcess& netsim_;
  Clock::time_point next_tick_ = Clock::time_point::max();
  std::vector<std::pair<Clock::time_point, Clock::time_point>> spans_;
};

struct ClickFigures {
  double median = 0, worst = 0;
  bool ok = true;
};

// Clicks at random moments of the tick's second, each after the last song has landed.
ClickFigures ClickToRequest(const test::NetsimProcess& netsim, const std::filesystem::path& folder,
                            bool at_once) {
  Front front(netsim, folder, at_once);
  front.StartTicking();
  std::mt19937 random(19);
  std::vector<double> delays;
  ClickFigures figures;
  for (int i = 0; i < kClicks; ++i) {
    const auto pause = std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 999)(random));
    const auto click_at = Clock::now() + pause;
    front.Run([&] { return Clock::now() >= click_at; }, std::chrono::seconds(2));
    const std::uintmax_t before = front.LogSize();
    const auto clicked = Clock::now();
    front.Queue().AddFoundSong(i + 1, "Click - Song " + std::to_string(i),
                               netsim.Url("/_netsim/blob?bytes=" + std::to_string(kSongBytes)));
    figures.ok &= front.Run([&] { return front.LogSize() > before; }, std::chrono::seconds(5));
    delays.push_back(Millis(Clock::now() - clicked).count());
    figures.ok &= front.Run([&] { return front.AllDone() || front.AnyFailed(); }, std::chrono::seconds(10));
    figures.ok &= !front.AnyFailed();
  }
  std::sort(delays.begin(), delays.end());
  figures.median = delays[delays.size() / 2];
  figures.worst = delays.back();
  return figures;
}

struct ListFigures {
  double total_ms = 0, transfers_ms = 0;
  bool ok = true;
  // The share of the two slots' time spent idle.
  double Idle() const { return 1.0 - transfers_ms / (2.0 * total_ms); }
};

// Fifty clicks at once, two slots, each song at full speed.
ListFigures FiftySongs(const test::NetsimProcess& netsim, const std::filesystem::path& folder, bool at_once) {
  Front front(netsim, folder, at_once);
  const auto start = Clock::now();
  front.StartTicking();
  for (int i = 0; i < kSongs; ++i)
    front.Queue().AddFoundSong(i + 1, "List - Song " + std::to_string(i),
                               netsim.Url("/_netsim/blob?bytes=" + std::to_string(kSongBytes)));
  ListFigures figures;
  figures.ok = front.Run([&] { return front.AllDone() || front.AnyFailed(); }, std::chrono::seconds(120));
  figures.ok &= !front.AnyFailed();
  figures.total_ms = Millis(Clock::now() - start).count();
  figures.transfers_ms = front.TransferTimes().count();
  return figures;
}

void ClearFolder(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) std::filesystem::remove(entry.path());
}

}  // namespace

int main() {
  bench::FindProgramsBesideSelf();
  test::NetsimProcess netsim;
  const std::filesystem::path folder = ScratchFolder();
  bool ok = true;

  std::printf("click on a ready row to its request at netsim (%d clicks at random moments of the tick)\n",
              kClicks);
  for (const bool at_once : {true, false}) {
    const ClickFigures f = ClickToRequest(netsim, folder, at_once);
    ClearFolder(folder);
    ok &= f.ok;
    std::printf("  %-22s median %7.1f ms   worst %7.1f ms%s\n",
                at_once ? "started at once:" : "reference, tick only:", f.median, f.worst,
                at_once ? (f.worst < 50 ? "   target < 50 ms" : "   target < 50 ms MISSED") : "");
  }

  std::printf("%d songs of %.1f MB, two at a time, netsim at full speed\n", kSongs,
              static_cast<double>(kSongBytes) / 1e6);
  for (const bool at_once : {true, false}) {
    const ListFigures f = FiftySongs(netsim, folder, at_once);
    ClearFolder(folder);
    ok &= f.ok;
    std::printf("  %-22s total %8.1f ms   transfers' own %8.1f ms   slots idle %5.1f %%%s\n",
                at_once ? "started at once:" : "reference, tick only:", f.total_ms, f.transfers_ms,
                100 * f.Idle(),
                at_once ? (f.Idle() < 0.05 ? "   target < 5 %" : "   target < 5 % MISSED") : "");
  }
  std::filesystem::remove_all(folder);
  if (!ok) std::printf("a transfer failed or timed out\n");
  return ok ? 0 : 1;
}
