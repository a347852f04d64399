// melvoro-cli settings: the settings table after start-up, one key=value line per entry.
#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "cli/console_startup.h"
#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"

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

// The session cookie is a password in effect: enough of it to tell which one it is, and its
// length, never the whole.
std::string Shortened(std::string_view cookie) {
  constexpr std::size_t kMostShown = 12;
  const std::size_t shown = std::min(kMostShown, cookie.size() / 3);
  return EscapeLineBreaks(cookie.substr(0, shown)) + "\x85 (" + std::to_string(cookie.size()) + " bytes)";
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
    const std::string& key = settings.KeyAt(i);
    const std::string value = CyrLowerCase(key) == "cookie" ? Shortened(settings.ValueAt(i))
                                                            : EscapeLineBreaks(settings.ValueAt(i));
    std::cout << Cp1251ToUtf8(EscapeLineBreaks(key)) << '=' << Cp1251ToUtf8(value) << '\n';
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}

}  // namespace melvoro::cli
