// The shell seam for the console and the engine: xdg-open, and the file manager over D-Bus.
#pragma once

#include <filesystem>
#include <string>

#include "core/os/shell.h"

namespace melvoro {

class SystemShell final : public Shell {
 public:
  // The programs run; a bare name is looked up on $PATH when used.
  explicit SystemShell(std::filesystem::path opener = "xdg-open",
                       std::filesystem::path bus_sender = "dbus-send");

  // True only when the opener started and exited 0. It may wait for what it opens when no
  // desktop environment is running.
  bool Open(const std::string& target) override;
  // Asks the file manager to select the file; when none answers, opens the file's folder.
  bool ShowInFolder(const std::string& file_path) override;

 private:
  std::filesystem::path opener_;
  std::filesystem::path bus_sender_;
};

// "file://" + the absolute path (UTF-8), every byte but unreserved ones and "/" percent-encoded.
std::string FileUri(const std::filesystem::path& path);

}  // namespace melvoro
