// auth-login: auth's half that logs in, started by auth in its place (exec, same command
// line) when there is no saved session to print or a log-in was asked for. It asks in a
// window (auth-dialog) or on the terminal and saves the session it gets.
#include <unistd.h>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "command_line.h"
#include "cookie_store.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "dialog_login.h"
#include "login.h"
#include "terminal.h"

namespace melvoro::auth {

namespace {

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

int Run(const Options& options, const Hosts& hosts) {
  const CookieStore store(UserDataFolder(), hosts.Network);
  switch (options.mode) {
    case Mode::Print: {
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
      if (!cookie || !saved) return kExitFailed;
      // The cookie is as good as the password: a log-in says it is saved, not what it is.
      std::cout << Utf8(texts::kAuthSessionSaved) << '\n' << std::flush;
      return std::cout ? kExitOk : kExitFailed;
    }
    default:
      // auth answers the others itself.
      return kExitUsage;
  }
}

}  // namespace

}  // namespace melvoro::auth

int main(int argc, char** argv) { return melvoro::auth::RunMain(argc, argv, melvoro::auth::Run); }
