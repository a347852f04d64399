// The log-in dialog in a program of its own, auth-dialog beside auth: auth answers every start
// of the program and must not load Qt for a saved session, and Qt ends a process whose display
// cannot be reached, which auth has to outlive to ask on the terminal instead or to say so.
#pragma once

#include <optional>
#include <string>

#include "core/http/hosts.h"

namespace melvoro::auth {

// auth-dialog's exit codes; anything else, or no start at all, means no window could open.
inline constexpr int kDialogGotCookie = 0;
inline constexpr int kDialogCancelled = 10;
inline constexpr char kDialogProgram[] = "auth-dialog";

// $DISPLAY or $WAYLAND_DISPLAY is set.
bool DisplayPresent();

struct DialogAnswer {
  enum class Outcome { kCookie, kCancelled, kNoWindow };
  Outcome outcome = Outcome::kNoWindow;
  std::string cookie;  // with kCookie
  bool saved = false;  // the cookie is in the store
};

// Runs auth-dialog from auth's own folder (e-mail prefilled when given, UTF-8) and waits until
// it closes. The dialog saves the session in the store of hosts.Network itself.
DialogAnswer RunLoginDialog(const Hosts& hosts, const std::optional<std::string>& email);

}  // namespace melvoro::auth
