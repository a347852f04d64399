#include "request_harness.h"

namespace melvoro::test {

RequestHarness::RequestHarness() {
  activity.OnChange.Add([this] {
    if (activity.Count() > running_) {
      intervals_at_begin.push_back(activity.IntervalMs());
      Record("begin");
    } else if (activity.Count() < running_) {
      ++ends;
      Record("end");
    }
    running_ = activity.Count();
  });
}

void RequestHarness::Record(std::string what, int value, std::string text) {
  Notification n;
  n.what = std::move(what);
  n.value = value;
  n.text = std::move(text);
  n.at = std::chrono::steady_clock::now();
  n.on_ui_thread = loop.IsUiThread();
  log.push_back(std::move(n));
}

std::unique_ptr<HttpRequest> RequestHarness::NewWorker(const std::string& url) {
  auto worker = std::make_unique<HttpRequest>(RequestContext{loop, activity, boxes});
  worker->Url = url;
  worker->OnProgress = [this](HttpRequest&, std::uint8_t percent) { Record("progress", percent); };
  worker->OnDone = [this](HttpRequest& w) { Record("done", w.StatusCode); };
  worker->OnError = [this](HttpRequest&, const std::string& message) { Record("error", 0, message); };
  return worker;
}

std::vector<Notification> RequestHarness::Run(std::unique_ptr<HttpRequest> worker) {
  const std::size_t first = log.size();
  const int target = ends + 1;
  HttpRequest::Start(std::move(worker));
  WaitForEnds(target);
  return {log.begin() + static_cast<std::ptrdiff_t>(first), log.end()};
}

bool RequestHarness::WaitForEnds(int count, std::chrono::milliseconds timeout) {
  return loop.RunUntil([&] { return ends >= count; }, timeout);
}

std::vector<Notification> RequestHarness::Only(const std::vector<Notification>& all,
                                               const std::string& what) {
  std::vector<Notification> out;
  for (const auto& n : all)
    if (n.what == what) out.push_back(n);
  return out;
}

std::string RequestHarness::Sequence(const std::vector<Notification>& all) {
  std::string out;
  std::string previous;
  for (const auto& n : all) {
    if (n.what == previous && n.what == "progress") continue;  // runs of progress count once
    if (!out.empty()) out += ' ';
    out += n.what;
    previous = n.what;
  }
  return out;
}

}  // namespace melvoro::test
