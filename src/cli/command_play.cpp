// melvoro-cli play QUERY ROW: the playlist a play click on result row ROW writes after a
// search for QUERY. Prints its path; opening it is left to the caller.
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/console_session.h"
#include "cli/console_startup.h"
#include "cli/stop_signals.h"
#include "core/os/file_io.h"
#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"
#include "playback/play_playlist.h"

namespace melvoro::cli {

int CommandPlay(const Args& args) {
  const int row = args.size() == 2 ? DecimalNumber(args[1]).value_or(0) : 0;
  if (row < 1 || row > ResultRows::kRowCount) {
    PrintUsage("play");
    return 2;
  }
  auto config = ConsoleStartup();
  if (!config) return kExitNoSession;
  ConsoleSession session(std::move(*config));
  bool shown = false;
  session.engine.Results().OnShown.Add([&shown] { shown = true; });
  session.engine.Controller().Search(Utf8ToCp1251(args[0]), [&session](std::vector<Song> songs) {
    session.engine.Results().ShowResults(std::move(songs));
  });
  session.RunUntil([&] { return !session.engine.Controller().Busy(); });
  if (StopRequested()) return StopExitCode();
  if (!shown) return 1;
  if (!session.engine.Results().Row(row).InUse) {
    std::cerr << "error row " << row << " is empty: the search found "
              << session.engine.Results().InUseCount() << " songs\n";
    return 1;
  }
  try {
    const std::string text = PlayPlaylistText(PlaylistRowsOf(session.engine.Results()), row,
                                              session.engine.Controller().ListTitle, &session.engine.Log());
    std::cout << Cp1251ToUtf8(WritePlayPlaylist(text)) << std::endl;
  } catch (const FileError& e) {
    std::cerr << "error " << e.what() << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace melvoro::cli
