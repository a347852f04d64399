#include "cli/console_startup.h"

#include <fcntl.h>
#include <unistd.h>

#include <iostream>

#include "core/os/console_message_boxes.h"
#include "core/os/user_folders.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"

namespace melvoro::cli {

std::optional<Configuration> ConsoleStartup() {
  ConsoleMessageBoxes boxes;
  Configuration config = LoadConfiguration(ExecutableFolder(), boxes);
  if (config.MustEnd) {
    // auth asks on the controlling terminal; with one, it has told the user what went wrong.
    const int tty = open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (tty >= 0) {
      close(tty);
    } else {
      std::cerr << Cp1251ToUtf8(texts::kConsoleNoSession.str()) << std::endl;
    }
    return std::nullopt;
  }
  return config;
}

}  // namespace melvoro::cli
