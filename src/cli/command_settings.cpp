// melvoro-cli settings: the settings table after start-up, one key=value line per entry.
#include <iostream>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "cli/console_startup.h"
#include "core/text/cp1251.h"

namespace melvoro::cli {

namespace {

// One entry per line: a line break inside a value must not start a line of its own.
std::string EscapeLineBreaks(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

int CommandSettings(const Args& args) {
  if (!args.empty()) {
    PrintUsage("settings");
    return 2;
  }
  const auto config = ConsoleStartup();
  if (!config) return kExitNoSession;
  const SettingsTable& settings = config->Settings;
  for (int i = 0; i < settings.Count(); ++i) {
    std::cout << Cp1251ToUtf8(EscapeLineBreaks(settings.KeyAt(i))) << '='
              << Cp1251ToUtf8(EscapeLineBreaks(settings.ValueAt(i))) << '\n';
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}

}  // namespace melvoro::cli
