// Time to cut a page into songs, beside plain scans of the same page measured in the same run.
// Pages come from netsim: a search page and an audio list as served, and both grown to 1 MiB.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "bench_env.h"
#include "core/http/http_request.h"
#include "core/log/activity_indicator.h"
#include "core/os/console_message_boxes.h"
#include "core/os/event_loop.h"
#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"
#include "page_rows.h"
#include "search/search_controller.h"
#include "support/netsim_process.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::string_view kMarker = "<table id=\"searchResults\" class=\"searchResults audioResults\">";
constexpr std::size_t kBigPage = std::size_t{1} << 20;
constexpr double kTargetRowsMs = 1;
constexpr double kTargetBigMs = 10;
constexpr double kTargetCraftedMs = 100;

// Results are folded in here so that the compiler cannot drop the work being timed.
volatile std::size_t sink = 0;

// The page as the scans see it: read through a volatile pointer on every call, so that the
// compiler cannot fold repeated scans of an unchanged page into one.
std::string_view Opaque(std::string_view page) {
  const char* volatile data = page.data();
  return {data, page.size()};
}

std::string Fetch(const std::string& url) {
  melvoro::EventLoop loop;
  melvoro::ActivityIndicator activity;
  melvoro::ConsoleMessageBoxes boxes;
  std::string page;
  std::string error;
  auto worker = std::make_unique<melvoro::HttpRequest>(melvoro::RequestContext{loop, activity, boxes});
  worker->Url = url;
  worker->Cookie = "remixsid=bench";
  worker->OnDone = [&](melvoro::HttpRequest& done) { page = std::move(done.Response); };
  worker->OnError = [&](melvoro::HttpRequest&, const std::string& message) { error = message; };
  melvoro::HttpRequest::Start(std::move(worker));
  loop.RunUntil([&] { return loop.RunningWorkers() == 0; }, std::chrono::seconds(30));
  if (page.empty()) throw std::runtime_error("cannot fetch " + url + ": " + melvoro::Cp1251ToUtf8(error));
  return page;
}

// Median seconds per call of fn. Calls are timed in batches long enough that the clock's own
// cost does not show in the figures of the cheap scans.
template <class Fn>
double MedianSeconds(Fn&& fn) {
  const auto time_batch = [&](int batch) {
    const auto start = Clock::now();
    for (int i = 0; i < batch; ++i) fn();
    return std::chrono::duration<double>(Clock::now() - start).count();
  };
  int batch = 1;
  while (time_batch(batch) < 200e-6 && batch < (1 << 20)) batch *= 2;
  std::vector<double> samples;
  double total = 0;
  while (samples.size() < 15 || (total < 0.3 && samples.size() < 1001)) {
    samples.push_back(time_batch(batch) / batch);
    total += samples.back() * batch;
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

struct Case {
  std::string name;
  std::string page;
  std::size_t expected_songs;
  double target_ms;
};

// Prints one line; false when the parser found another number of songs than the page holds.
bool Measure(const Case& c, std::string_view storage_domain) {
  bool cut_short = false;
  const auto first_start = Clock::now();
  const std::size_t songs = melvoro::ParseSongs(c.page, storage_domain, &cut_short).size();
  const double first = std::chrono::duration<double>(Clock::now() - first_start).count();
  // A parse that takes seconds is reported from its one call rather than timed again and again.
  const double parse =
      first > 1 ? first
                : MedianSeconds([&] { sink = sink + melvoro::ParseSongs(c.page, storage_domain).size(); });
  const double find = MedianSeconds([&] { sink = sink + Opaque(c.page).find(kMarker); });
  // A byte HTML pages never hold: memchr reads all of the page.
  const double scan = MedianSeconds([&] {
    const std::string_view page = Opaque(c.page);
    sink = sink + (std::memchr(page.data(), '\x01', page.size()) != nullptr);
  });
  const double parse_ms = parse * 1e3;
  std::printf("%-40s %5zu KiB %6zu %9.3f ms  under %2.0f ms%-7s %9.2f us %9.2f us\n", c.name.c_str(),
              c.page.size() / 1024, songs, parse_ms, c.target_ms, parse_ms < c.target_ms ? "" : " MISSED",
              find * 1e6, scan * 1e6);
  if (cut_short) std::printf("  cut short by the matching budget\n");
  if (songs == c.expected_songs) return true;
  std::printf("  expected %zu songs\n", c.expected_songs);
  return false;
}

// The exit code: 1 when a page or a parse was not what it should be.
int Run() {
  melvoro::bench::FindProgramsBesideSelf();
  melvoro::test::NetsimProcess netsim;
  const melvoro::Hosts hosts = netsim.HostsTable();
  // The catalogue's one artist with 150 songs; from offset 50 the page lists the last 100.
  const std::string search = Fetch("http://" + hosts.Network +
                                   "/gsearch.php?q=" + melvoro::UrlEncode(melvoro::W1251(u8"Сто Песен")) +
                                   "&section=audio&offset=50");
  const std::string list = Fetch("http://" + hosts.Network + "/audio.php");
  const melvoro::bench::PageRows search_rows(search);
  const melvoro::bench::PageRows list_rows(list);
  if (search.find(kMarker) == std::string::npos || search_rows.rows() != 100 || list_rows.rows() == 0) {
    std::cerr << "netsim's pages are not what this benchmark expects: " << search_rows.rows()
              << " search rows, " << list_rows.rows() << " list rows\n";
    return 1;
  }

  std::vector<Case> cases;
  cases.push_back({"search page, 100 rows as served", search, 100, kTargetRowsMs});
  cases.push_back({"audio list, 100 rows", list_rows.WithRows(100), 100, kTargetRowsMs});
  const std::size_t search_big = search_rows.RowsToReach(kBigPage);
  const std::size_t list_big = list_rows.RowsToReach(kBigPage);
  cases.push_back({"search page, 1 MiB", search_rows.WithRows(search_big), search_big, kTargetBigMs});
  cases.push_back({"audio list, 1 MiB", list_rows.WithRows(list_big), list_big, kTargetBigMs});
  // A renamed title id, as after a change of the site's templates, makes every row fail at
  // the last part of either pattern, after everything before it has matched and been retried.
  const melvoro::bench::PageRows search_broken = search_rows.Replaced("id=\"title", "id=\"label");
  const melvoro::bench::PageRows list_broken = list_rows.Replaced("id=\"title", "id=\"label");
  cases.push_back({"search page, 1 MiB, no row matches",
                   search_broken.WithRows(search_broken.RowsToReach(kBigPage)), 0, kTargetBigMs});
  cases.push_back({"audio list, 1 MiB, no row matches",
                   list_broken.WithRows(list_broken.RowsToReach(kBigPage)), 0, kTargetBigMs});

  // Rows that every window of the audio-list pattern can reach, none with a title: before the
  // matching work was bounded, a page of them held the UI thread for many seconds.
  std::string crafted;
  while (crafted.size() < kBigPage)
    crafted += R"(<div class="a" id="audio1">operate('','L',1)<b id="performer1">x>y<)";
  // A title far away, so that the page cannot be ruled out before matching.
  crafted += R"(id="title1">)";
  cases.push_back({"crafted rows, 1 MiB, no title", crafted, 0, kTargetCraftedMs});

  std::printf("ParseSongs on pages from netsim, median time per call, beside plain scans of the same page\n");
  std::printf("%-40s %9s %6s %12s  %-18s %12s %12s\n", "page", "size", "songs", "ParseSongs", "target",
              "find(marker)", "memchr page");
  bool ok = true;
  for (const Case& c : cases) ok = Measure(c, hosts.Storage) && ok;
  return ok ? 0 : 1;
}

}  // namespace

int main() {
  try {
    return Run();
  } catch (const std::exception& error) {
    std::cerr << "parse_bench: " << error.what() << '\n';
    return 1;
  }
}
