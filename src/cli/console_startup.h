// The start-up every console command but fetch runs first: config.ini and auth beside the
// executable, message boxes on standard error.
#pragma once

#include <optional>

#include "app/startup.h"

namespace melvoro::cli {

// The exit code of a command that ends for want of a session cookie.
inline constexpr int kExitNoSession = 3;

// The configuration, or nothing when the program must end. Without a terminal auth could not
// ask for a log-in and said nothing, so that is said on standard error.
std::optional<Configuration> ConsoleStartup();

}  // namespace melvoro::cli
