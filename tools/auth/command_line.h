// What both halves of auth share: the command line, its usage and exit codes, and where
// messages and the cookie go.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/http/hosts.h"

namespace melvoro::auth {

class Terminal;

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

inline constexpr std::string_view kUsage =
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

// Nothing when the command line is wrong.
std::optional<Options> ParseArgs(int argc, char** argv);

std::string Utf8(std::string_view cp1251);

// Messages go where the user is looking: the terminal auth asked on, else standard error.
void Say(Terminal* tty, std::string_view utf8);

int PrintCookie(const std::string& cookie);

// The hosts table from config.ini beside the program; nothing once a failure was told.
std::optional<Hosts> LoadHostsOrSay();

// The main of both programs: a wrong command line gets the usage (exit 2), --help the help,
// anything else the hosts from config.ini and run; a failure is told on standard error (exit 1).
int RunMain(int argc, char** argv, int (*run)(const Options&, const Hosts&));

}  // namespace melvoro::auth
