#include "cli/console_startup.h"

#include "core/os/console_message_boxes.h"
#include "core/os/user_folders.h"

namespace melvoro::cli {

std::optional<Configuration> ConsoleStartup() {
  ConsoleMessageBoxes boxes;
  Configuration config = LoadConfiguration(ExecutableFolder(), boxes);
  if (config.MustEnd) return std::nullopt;
  return config;
}

}  // namespace melvoro::cli
