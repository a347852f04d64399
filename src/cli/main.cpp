// melvoro-cli: the engine without a screen, on the same config.ini as the GUI.
#include <csignal>
#include <iostream>
#include <string_view>

#include "cli/commands.h"
#include "cli/stop_signals.h"
#include "core/process.h"

namespace {

void PrintUsage() {
  std::cerr << "usage: melvoro-cli fetch URL [--cookie TEXT] [--post DATA] [--out FILE]\n"
               "       melvoro-cli settings\n"
               "       melvoro-cli search QUERY\n"
               "       melvoro-cli page URL\n"
               "       melvoro-cli get [--link URL --name NAME]... [NAME]...\n"
               "       melvoro-cli play QUERY ROW\n";
}

}  // namespace

int main(int argc, char** argv) {
  // A peer that closes early must fail a write, not kill the process.
  std::signal(SIGPIPE, SIG_IGN);
  melvoro::cli::InstallStopSignals();
  melvoro::RaiseDescriptorLimit();
  if (argc < 2) {
    PrintUsage();
    return 2;
  }
  const std::string_view command = argv[1];
  const melvoro::cli::Args args(argv + 2, argv + argc);
  if (command == "fetch") return melvoro::cli::CommandFetch(args);
  if (command == "settings") return melvoro::cli::CommandSettings(args);
  if (command == "search") return melvoro::cli::CommandSearch(args);
  if (command == "page") return melvoro::cli::CommandPage(args);
  if (command == "get") return melvoro::cli::CommandGet(args);
  if (command == "play") return melvoro::cli::CommandPlay(args);
  PrintUsage();
  return 2;
}
