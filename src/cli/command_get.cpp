// melvoro-cli get: songs by link and names to look up go through the download queue, ticked
// once a second as the window does, until every row has ended.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/console_name.h"
#include "cli/console_session.h"
#include "cli/console_startup.h"
#include "cli/one_line.h"
#include "cli/stop_signals.h"
#include "core/text/cp1251.h"

namespace melvoro::cli {

namespace {

struct GetItem {
  std::string name, link;  // no link: a name to look up
};

std::optional<std::vector<GetItem>> ParseGetArgs(const Args& args) {
  std::vector<GetItem> items;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--link" && i + 3 < args.size() && args[i + 2] == "--name") {
      items.push_back({NameFromConsole(args[i + 3]), Utf8ToCp1251(args[i + 1])});
      i += 3;
    } else if (args[i].starts_with("--")) {
      return std::nullopt;
    } else {
      items.push_back({NameFromConsole(args[i]), ""});
    }
  }
  if (items.empty()) return std::nullopt;
  return items;
}

bool Final(DownloadState state) {
  return state == DownloadState::Done || state == DownloadState::NotFound || state == DownloadState::Failed;
}

}  // namespace

int CommandGet(const Args& args) {
  const auto items = ParseGetArgs(args);
  if (!items) {
    PrintUsage("get");
    return 2;
  }
  auto config = ConsoleStartup();
  if (!config) return kExitNoSession;
  ConsoleSession session(std::move(*config));
  DownloadQueue& queue = session.engine.Queue();
  // A console has nobody to wait for: a look-up that keeps failing ends its row.
  queue.MaxLookupFailures = 3;

  // A row's line each time its state changes; the state prints as its icon number.
  std::vector<std::optional<DownloadState>> shown_states;
  auto print = [&](int index) {
    const DownloadRow& row = queue.List().Row(index);
    if (static_cast<int>(shown_states.size()) <= index)
      shown_states.resize(static_cast<std::size_t>(index) + 1);
    if (shown_states[static_cast<std::size_t>(index)] == row.State) return;
    shown_states[static_cast<std::size_t>(index)] = row.State;
    std::cout << "row " << index << ' ' << static_cast<int>(row.State) << ' ' << OneLine(row.Name)
              << std::endl;
    // Another file may have held the name: the one the song really got.
    if (row.State == DownloadState::Done && row.Started())
      std::cout << "file " << index << ' ' << OneLine(row.Path) << std::endl;
  };
  queue.List().OnRowsAdded.Add([&](int first, int count) {
    for (int i = first; i < first + count; ++i) print(i);
  });
  queue.List().OnRowChanged.Add(print);

  for (const GetItem& item : *items) {
    if (item.link.empty()) {
      queue.AddNamesToLookUp({item.name});
    } else {
      queue.AddFoundSong(queue.List().Count(), item.name, item.link);
    }
  }

  // With no transfer slot nothing would ever start, and the command would wait for ever.
  if (const int limit = queue.ThreadLimit(); limit <= 0) {
    std::cerr << "error ThreadsCount is " << limit << ": no download can start" << std::endl;
    return 1;
  }

  auto all_final = [&] {
    for (int i = 0; i < queue.List().Count(); ++i)
      if (!Final(queue.List().Row(i).State)) return false;
    return true;
  };
  while (!all_final()) {
    queue.Tick();
    session.RunUntil(all_final, std::chrono::seconds(1));
    if (StopRequested()) return StopExitCode();
  }
  // Rows end in their handlers; the workers are still on their way out.
  session.RunUntil([&] { return session.loop.RunningWorkers() == 0; }, std::chrono::seconds(30));
  for (int i = 0; i < queue.List().Count(); ++i)
    if (queue.List().Row(i).State != DownloadState::Done) return 1;
  return 0;
}

}  // namespace melvoro::cli
