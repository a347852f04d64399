// melvoro-cli: the engine without a screen, on the same config.ini as the GUI.
#include <csignal>
#include <iostream>
#include <string_view>

#include "cli/commands.h"
#include "cli/stop_signals.h"
#include "core/os/process.h"

int main(int argc, char** argv) {
  // A peer that closes early must fail a write, not kill the process.
  std::signal(SIGPIPE, SIG_IGN);
  melvoro::cli::InstallStopSignals();
  melvoro::RaiseDescriptorLimit();
  using namespace melvoro::cli;
  // Help asked for is a result: standard output and success.
  const auto help = [](std::string_view name) {
    PrintUsage(name, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
  };
  if (argc == 2 && IsHelpRequest(argv[1])) return help({});
  if (argc >= 2) {
    const std::string_view name = argv[1];
    for (const Command& command : Commands()) {
      if (name != command.name) continue;
      if (argc >= 3 && IsHelpRequest(argv[2])) return help(command.name);
      return command.run(Args(argv + 2, argv + argc));
    }
  }
  PrintUsage();
  return 2;
}
