// auth: the authorization utility. The program runs "auth -a" at every start and takes what
// it prints as the session cookie; auth keeps that cookie between runs and logs in when it
// has none. This half answers from the saved session alone and loads neither libcurl nor Qt;
// a log-in replaces it with auth-login, which gets the same command line.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>

#include "command_line.h"
#include "cookie_store.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"

namespace melvoro::auth {

namespace {

constexpr char kLoginProgram[] = "auth-login";

char** g_argv = nullptr;

// Only returns when auth-login could not be started.
int LogInInstead() {
  const std::string program = (ExecutableFolder() / kLoginProgram).string();
  execv(program.c_str(), g_argv);
  Say(nullptr, "auth: " + program + ": " + std::strerror(errno));
  return kExitFailed;
}

int Run(const Options& options, const Hosts& hosts) {
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
      return saved_cookie ? PrintCookie(*saved_cookie) : LogInInstead();
    }
    case Mode::Login:
      return LogInInstead();
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
  melvoro::auth::g_argv = argv;
  return melvoro::auth::RunMain(argc, argv, melvoro::auth::Run);
}
