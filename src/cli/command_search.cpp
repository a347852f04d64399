// melvoro-cli search QUERY / page URL: the songs of a page, one line each, in page order.
#include <iostream>
#include <optional>
#include <vector>

#include "cli/commands.h"
#include "cli/console_session.h"
#include "cli/console_startup.h"
#include "cli/one_line.h"
#include "cli/stop_signals.h"
#include "core/text/cp1251.h"

namespace melvoro::cli {

namespace {

// Runs one request of the controller and prints what it found. start() hands the controller
// the handler; exit 1 when the request failed.
int PrintSongs(const std::function<bool(ConsoleSession&, SearchController::ResultHandler)>& start) {
  auto config = ConsoleStartup();
  if (!config) return kExitNoSession;
  ConsoleSession session(std::move(*config));
  std::optional<std::vector<Song>> found;
  start(session, [&found](std::vector<Song> songs) { found = std::move(songs); });
  session.RunUntil([&] { return !session.engine.Controller().Busy(); });
  if (StopRequested()) return StopExitCode();
  if (!found) return 1;
  for (const Song& s : *found)
    std::cout << OneLine(s.Name()) << '\t' << s.Duration << '\t' << OneLine(s.Link) << '\n';
  std::cout.flush();
  return std::cout ? 0 : 1;
}

}  // namespace

int CommandSearch(const Args& args) {
  if (args.size() != 1) {
    PrintUsage("search");
    return 2;
  }
  const std::string query = Utf8ToCp1251(args[0]);
  return PrintSongs([&](ConsoleSession& s, SearchController::ResultHandler h) {
    return s.engine.Controller().Search(query, h);
  });
}

int CommandPage(const Args& args) {
  if (args.size() != 1) {
    PrintUsage("page");
    return 2;
  }
  const std::string url = Utf8ToCp1251(args[0]);
  return PrintSongs([&](ConsoleSession& s, SearchController::ResultHandler h) {
    return s.engine.Controller().LoadPage(url, h);
  });
}

}  // namespace melvoro::cli
