#include <iostream>

#include "cli/commands.h"
#include "search/result_rows.h"

namespace melvoro::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"fetch", "URL [--cookie TEXT] [--post DATA] [--out FILE]", CommandFetch},
      {"settings", "", CommandSettings},
      {"search", "QUERY", CommandSearch},
      {"page", "URL", CommandPage},
      {"get", "[--link URL --name NAME]... [NAME]...", CommandGet},
      {"play", "QUERY ROW   (ROW 1..100)", CommandPlay},
      {"stations", "spb|msk", CommandStations},
      {"charts", "spb|msk [STATION]   |   charts lastfm ARTIST", CommandCharts},
      {"friends", "", CommandFriends},
      {"groups", "", CommandGroups},
      {"audio", "own | friend ID NAME | group ID NAME", CommandAudio},
      {"feedback", "--email E --desc D [--no-log]", CommandFeedback},
      {"update-script", "NEW_EXE", CommandUpdateScript},
  };
  return commands;
}

void PrintUsage(std::string_view name) { PrintUsage(name, std::cerr); }

bool IsHelpRequest(std::string_view arg) { return arg == "--help" || arg == "-h"; }

void PrintUsage(std::string_view name, std::ostream& out) {
  static_assert(ResultRows::kRowCount == 100, "the usage text of play names the row count");
  bool first = true;
  for (const Command& command : Commands()) {
    if (!name.empty() && name != command.name) continue;
    out << (first ? "usage: " : "       ") << "melvoro-cli " << command.name
        << (*command.arguments != '\0' ? " " : "") << command.arguments << '\n';
    first = false;
  }
}

}  // namespace melvoro::cli
