#include "dialog_login.h"

#include <cstdlib>
#include <vector>

#include "core/os/process.h"
#include "core/os/user_folders.h"

namespace melvoro::auth {

namespace {

// "1" or "0" (saved or not) and a cookie, which a log-in never makes longer than this.
constexpr std::size_t kMaxAnswer = 64 * 1024 + 1;

}  // namespace

bool DisplayPresent() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

DialogAnswer RunLoginDialog(const Hosts& hosts, const std::optional<std::string>& email) {
  std::vector<std::string> args = {"--network", hosts.Network, "--login", hosts.Login};
  if (email) {
    args.push_back("--email");
    args.push_back(*email);
  }
  const ProcessResult result = RunProcess(ExecutableFolder() / kDialogProgram, args, kMaxAnswer);
  DialogAnswer answer;
  if (!result.Started || result.OutputCut) return answer;
  if (result.ExitCode == kDialogGotCookie && !result.Output.empty()) {
    answer.outcome = DialogAnswer::Outcome::kCookie;
    answer.saved = result.Output[0] == '1';
    answer.cookie = result.Output.substr(1);
  } else if (result.ExitCode == kDialogCancelled) {
    answer.outcome = DialogAnswer::Outcome::kCancelled;
  }
  return answer;
}

}  // namespace melvoro::auth
