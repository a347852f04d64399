// The log-in dialog in a process of its own: Qt ends a process whose display cannot be
// reached, and auth has to outlive that to ask on the terminal instead or to say so.
#pragma once

#include <optional>
#include <string>

#include "core/http/hosts.h"

namespace melvoro::auth {

class CookieStore;

// $DISPLAY or $WAYLAND_DISPLAY is set.
bool DisplayPresent();

struct DialogAnswer {
  enum class Outcome { kCookie, kCancelled, kNoWindow };
  Outcome outcome = Outcome::kNoWindow;
  std::string cookie;  // with kCookie
  bool saved = false;  // the cookie is in the store
};

// Shows the dialog (e-mail prefilled when given, Windows-1251) and waits until it closes.
DialogAnswer RunLoginDialog(const Hosts& hosts, const CookieStore& store,
                            const std::optional<std::string>& email);

}  // namespace melvoro::auth
