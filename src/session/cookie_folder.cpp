#include "session/cookie_folder.h"

#include <string>

#include "core/os/os_path.h"
#include "core/os/user_folders.h"

namespace melvoro {

std::filesystem::path CookieFolderIn(const std::filesystem::path& data_folder) {
  return data_folder / "melvoro" / "cookies";
}

std::filesystem::path CookieFolder() {
  const std::filesystem::path data = UserDataFolder();
  if (data.empty()) return {};
  return CookieFolderIn(data);
}

std::filesystem::path CookieFileName(std::string_view network_host) {
  std::string name(network_host);
  for (char& c : name)
    if (c == ':' || c == '/' || c == '\0') c = '_';
  return ToOsPath(name + ".cookie");
}

}  // namespace melvoro
