// auth: the authorization utility. The program runs "auth -a" at every start and takes what
// it prints as the session cookie; auth keeps that cookie between runs and logs in when it
// has none.
#include <unistd.h>

#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "cookie_store.h"
#include "core/config/hosts_config.h"
#include "core/config/ini_file.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "dialog_login.h"
#include "login.h"
#include "terminal.h"

namespace melvoro::auth {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kUsage =
    "usage: auth -a [--dialog]          print the session cookie, logging in when none is saved\n"
    "                                   (in a window when a display is there and stdin is no\n"
    "                                   terminal, or with --dialog)\n"
    "       auth --login [--email E] [--password-stdin | --dialog]\n"
    "                                   log in afresh (password from the first line of stdin,\n"
    "                                   or in a window)\n"
    "       auth --cookie TEXT          save a session cookie copied from a browser\n"
    "       auth --logout               forget the saved session\n"
    "       auth --help\n";

enum class Mode { Print, Login, SaveCookie, Logout, Help };

struct Options {
  Mode mode = Mode::Help;
  std::string cookie;
  std::optional<std::string> email;
  bool password_stdin = false;
  bool dialog = false;
};

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

// Messages go where the user is looking: the terminal auth asked on, else standard error.
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

std::optional<std::string> PasswordFromStdin() {
  std::string line;
  if (!std::getline(std::cin, line) && line.empty()) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// Asks on the terminal for whatever the command line did not give, logs in and saves the
// session. Returns the cookie, or nothing once the failure has been told.
std::optional<std::string> FreshLogin(const Hosts& hosts, const CookieStore& store, const Options& options,
                                      bool& saved) {
  std::unique_ptr<Terminal> tty;
  if (!options.email || !options.password_stdin) {
    tty = Terminal::Open();
    if (!tty) {
      Say(nullptr, Utf8(texts::kAuthNoTerminal));
      return std::nullopt;
    }
    tty->Write(Utf8(texts::kAuthLoginTitle) + Utf8(hosts.Network) + "\n");
  }
  std::optional<std::string> email = options.email;
  if (!email) email = tty->Ask(Utf8(texts::kAuthEmailPrompt), true);
  if (!email) return std::nullopt;
  std::optional<std::string> password;
  if (options.password_stdin) {
    password = PasswordFromStdin();
    if (!password) {
      Say(tty.get(), Utf8(texts::kAuthNoPassword));
      return std::nullopt;
    }
  } else {
    password = tty->Ask(Utf8(texts::kAuthPasswordPrompt), false);
    if (!password) return std::nullopt;
  }

  const LoginResult result = LogIn(hosts, Utf8ToCp1251(*email), Utf8ToCp1251(*password));
  if (!result.Cookie) {
    Say(tty.get(), Utf8(result.Error.empty() ? std::string(texts::kAuthWrongPassword)
                                             : std::string(texts::kAuthLoginError) + result.Error));
    return std::nullopt;
  }
  try {
    store.Save(*result.Cookie);
    saved = true;
  } catch (const std::exception& e) {
    Say(tty.get(), Utf8(texts::kAuthCannotSave) + e.what());
  }
  return result.Cookie;
}

int Run(const Options& options) {
  if (options.mode == Mode::Help) {
    std::cout << kUsage;
    return kExitOk;
  }
  Hosts hosts;
  try {
    hosts = LoadHosts(IniFile(ConfigFilePath(ExecutableFolder())));
  } catch (const IniError& e) {
    Say(nullptr, Utf8(texts::kAuthCannotRead) + e.what());
    return kExitFailed;
  }
  const CookieStore store(UserDataFolder(), hosts.Network);

  switch (options.mode) {
    case Mode::Print: {
      std::optional<std::string> saved_cookie;
      try {
        saved_cookie = store.Load();
      } catch (const std::exception& e) {
        Say(nullptr, Utf8(texts::kAuthCannotRead) + e.what());
        return kExitFailed;
      }
      if (saved_cookie) return PrintCookie(*saved_cookie);
      // Started from the desktop, standard input leads nowhere: the window asks instead.
      if (DisplayPresent() && (options.dialog || !isatty(STDIN_FILENO))) {
        const DialogAnswer answer = RunLoginDialog(hosts, options.email);
        if (answer.outcome == DialogAnswer::Outcome::kCookie) return PrintCookie(answer.cookie);
        if (answer.outcome == DialogAnswer::Outcome::kCancelled) return kExitFailed;
        // No window could open: a terminal, if there is one, asks instead.
      }
      // Without a terminal nobody can be asked: the program ends quietly.
      if (!Terminal::Open()) return kExitFailed;
      bool saved = false;
      const auto cookie = FreshLogin(hosts, store, options, saved);
      return cookie ? PrintCookie(*cookie) : kExitFailed;
    }
    case Mode::Login: {
      bool saved = false;
      std::optional<std::string> cookie;
      if (options.dialog) {
        const DialogAnswer answer = DisplayPresent() ? RunLoginDialog(hosts, options.email) : DialogAnswer{};
        if (answer.outcome == DialogAnswer::Outcome::kNoWindow) Say(nullptr, Utf8(texts::kAuthNoDisplay));
        if (answer.outcome == DialogAnswer::Outcome::kCookie) cookie = answer.cookie;
        saved = answer.saved;
      } else {
        cookie = FreshLogin(hosts, store, options, saved);
      }
      if (!cookie) return kExitFailed;
      const int printed = PrintCookie(*cookie);
      return saved ? printed : kExitFailed;
    }
    case Mode::SaveCookie: {
      const auto cookie = CleanCookie(options.cookie);
      if (!cookie) {
        Say(nullptr, Utf8(texts::kAuthNotACookie));
        return kExitUsage;
      }
      try {
        store.Save(*cookie);
      } catch (const std::exception& e) {
        Say(nullptr, Utf8(texts::kAuthCannotSave) + e.what());
        return kExitFailed;
      }
      return kExitOk;
    }
    case Mode::Logout:
      try {
        store.Remove();
      } catch (const std::exception& e) {
        Say(nullptr, Utf8(texts::kAuthCannotDelete) + e.what());
        return kExitFailed;
      }
      return kExitOk;
    case Mode::Help:
      break;
  }
  return kExitOk;
}

}  // namespace

}  // namespace melvoro::auth

int main(int argc, char** argv) {
  const auto options = melvoro::auth::ParseArgs(argc, argv);
  if (!options) {
    std::cerr << melvoro::auth::kUsage;
    return melvoro::auth::kExitUsage;
  }
  try {
    return melvoro::auth::Run(*options);
  } catch (const std::exception& e) {
    std::cerr << "auth: " << e.what() << std::endl;
    return melvoro::auth::kExitFailed;
  }
}
