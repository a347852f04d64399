// melvoro-cli: the engine without a screen, on the same config.ini as the GUI.
#include <csignal>
#include <string_view>

#include "cli/commands.h"
#include "cli/stop_signals.h"
#include "core/os/process.h"

int main(int argc, char** argv) {
  // A peer that closes early must fail a write, not kill the process.
  std::signal(SIGPIPE, SIG_IGN);
  melvoro::cli::InstallStopSignals();
  melvoro::RaiseDescriptorLimit();
  if (argc >= 2) {
    const std::string_view name = argv[1];
    for (const melvoro::cli::Command& command : melvoro::cli::Commands())
      if (name == command.name) return command.run(melvoro::cli::Args(argv + 2, argv + argc));
  }
  melvoro::cli::PrintUsage();
  return 2;
}
