#include "command_line.h"

#include <iostream>

#include "core/config/hosts_config.h"
#include "core/config/ini_file.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "terminal.h"

namespace melvoro::auth {

std::optional<Options> ParseArgs(int argc, char** argv) {
  Options options;
  const std::string_view first = argc > 1 ? argv[1] : "";
  int next = 2;
  if (first == "-a") {
    options.mode = Mode::Print;
    if (argc > next && std::string_view(argv[next]) == "--dialog") {
      options.dialog = true;
      ++next;
    }
  } else if (first == "--logout") {
    options.mode = Mode::Logout;
  } else if (first == "--help" || first == "-h") {
    options.mode = Mode::Help;
  } else if (first == "--cookie" && argc > 2) {
    options.mode = Mode::SaveCookie;
    options.cookie = argv[2];
    next = 3;
  } else if (first == "--login") {
    options.mode = Mode::Login;
    for (; next < argc; ++next) {
      const std::string_view arg = argv[next];
      if (arg == "--email" && next + 1 < argc && !options.email) {
        options.email = argv[++next];
      } else if (arg == "--password-stdin" && !options.password_stdin && !options.dialog) {
        options.password_stdin = true;
      } else if (arg == "--dialog" && !options.dialog && !options.password_stdin) {
        options.dialog = true;
      } else {
        return std::nullopt;
      }
    }
  } else {
    return std::nullopt;
  }
  if (next != argc) return std::nullopt;
  return options;
}

std::string Utf8(std::string_view cp1251) { return Cp1251ToUtf8(cp1251); }

void Say(Terminal* tty, std::string_view utf8) {
  const std::string line = std::string(utf8) + "\n";
  if (tty) {
    tty->Write(line);
  } else {
    std::cerr << line << std::flush;
  }
}

int PrintCookie(const std::string& cookie) {
  std::cout << cookie << '\n' << std::flush;
  return std::cout ? kExitOk : kExitFailed;
}

std::optional<Hosts> LoadHostsOrSay() {
  try {
    return LoadHosts(IniFile(ConfigFilePath(ExecutableFolder())));
  } catch (const IniError& e) {
    Say(nullptr, Utf8(texts::kAuthCannotRead) + e.what());
    return std::nullopt;
  }
}

int RunMain(int argc, char** argv, int (*run)(const Options&, const Hosts&)) {
  const auto options = ParseArgs(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  if (options->mode == Mode::Help) {
    std::cout << kUsage;
    return kExitOk;
  }
  try {
    const auto hosts = LoadHostsOrSay();
    return hosts ? run(*options, *hosts) : kExitFailed;
  } catch (const std::exception& e) {
    std::cerr << "auth: " << e.what() << std::endl;
    return kExitFailed;
  }
}

}  // namespace melvoro::auth
