// melvoro-cli play QUERY ROW: the playlist a play click on result row ROW writes after a
// search for QUERY. Prints its path; opening it is left to the caller.
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/console_session.h"
#include "cli/console_startup.h"
#include "cli/stop_signals.h"
#include "core/cp1251.h"
#include "core/file_io.h"
#include "core/text_helpers.h"
#include "downloads/play_playlist.h"

namespace melvoro::cli {

int CommandPlay(const Args& args) {
  const int row = args.size() == 2 ? DecimalNumber(args[1]).value_or(0) : 0;
  if (row < 1 || row > ResultRows::kRowCount) {
    std::cerr << "usage: melvoro-cli play QUERY ROW   (ROW 1.." << ResultRows::kRowCount << ")\n";
    return 2;
  }
  auto config = ConsoleStartup();
  if (!config) return kExitNoSession;
  ConsoleSession session(std::move(*config));
  bool shown = false;
  session.results.OnShown = [&shown] { shown = true; };
  session.controller.Search(Utf8ToCp1251(args[0]), [&session](std::vector<song> songs) {
    session.results.ShowResults(std::move(songs));
  });
  session.RunUntil([&] { return !session.controller.Busy(); });
  if (StopRequested()) return StopExitCode();
  if (!shown) return 1;
  if (!session.results.Row(row).InUse) {
    std::cerr << "error row " << row << " is empty: the search found " << session.results.InUseCount()
              << " songs\n";
    return 1;
  }
  try {
    const std::string text =
        PlayPlaylistText(PlaylistRowsOf(session.results), row, session.controller.ListTitle);
    std::cout << Cp1251ToUtf8(WritePlayPlaylist(text)) << std::endl;
  } catch (const FileError& e) {
    std::cerr << "error " << e.what() << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace melvoro::cli
