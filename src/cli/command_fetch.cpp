// melvoro-cli fetch: one request through the request worker, every notification printed.
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/stop_signals.h"
#include "core/http/http_request.h"
#include "core/log/activity_indicator.h"
#include "core/os/console_message_boxes.h"
#include "core/os/event_loop.h"
#include "core/text/cp1251.h"

namespace melvoro::cli {

namespace {

struct FetchOptions {
  std::string url, cookie, post, out;  // Windows-1251
};

std::optional<FetchOptions> ParseFetchArgs(const Args& args) {
  FetchOptions options;
  bool have_url = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if ((arg == "--cookie" || arg == "--post" || arg == "--out") && has_value) {
      std::string value = Utf8ToCp1251(args[++i]);
      (arg == "--cookie" ? options.cookie : arg == "--post" ? options.post : options.out) = std::move(value);
    } else if (!have_url && !arg.starts_with("--")) {
      options.url = Utf8ToCp1251(arg);
      have_url = true;
    } else {
      return std::nullopt;
    }
  }
  if (!have_url) return std::nullopt;
  return options;
}

}  // namespace

int CommandFetch(const Args& args) {
  const auto options = ParseFetchArgs(args);
  if (!options) {
    PrintUsage("fetch");
    return 2;
  }

  EventLoop loop;
  ActivityIndicator activity;
  ConsoleMessageBoxes boxes;
  bool failed = false;
  int running = 0;
  activity.OnChange.Add([&] {
    if (activity.Count() > running) std::cout << "begin" << std::endl;
    if (activity.Count() < running) std::cout << "end" << std::endl;
    running = activity.Count();
  });

  auto worker = std::make_unique<HttpRequest>(RequestContext{loop, activity, boxes});
  worker->Url = options->url;
  worker->Cookie = options->cookie;
  worker->PostData = options->post;
  worker->FileName = options->out;
  worker->OnProgress = [](HttpRequest&, std::uint8_t percent) {
    std::cout << "progress " << static_cast<int>(percent) << std::endl;
  };
  worker->OnDone = [](HttpRequest& w) {
    std::cout << "done " << w.StatusCode << ' ' << w.BytesReceived << std::endl;
  };
  worker->OnError = [&failed](HttpRequest&, const std::string& message) {
    failed = true;
    std::cerr << "error " << Cp1251ToUtf8(message) << std::endl;
  };
  StopGracefully();
  HttpRequest::Start(std::move(worker));
  loop.RunUntil([&] { return StopRequested() || loop.RunningWorkers() == 0; }, std::chrono::hours(24 * 365));
  if (StopRequested()) {
    loop.Shutdown();  // aborts the transfer, which removes its part file, while the handlers' state lives
    return StopExitCode();
  }
  return failed ? 1 : 0;
}

}  // namespace melvoro::cli
