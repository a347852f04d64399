#include "core/os/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace melvoro {

namespace {

// The XDG base-directory rules ignore a variable that is unset, empty or relative.
std::optional<std::filesystem::path> AbsoluteEnvPath(const char* name) {
  const char* value = std::getenv(name);
  if (!value || value[0] != '/') return std::nullopt;
  return std::filesystem::path(value);
}

// The value of one user-dirs.dirs line, shell-quoted as xdg-user-dirs writes it:
// "$HOME/Desktop" or "/absolute/path", backslash escaping the next character.
std::optional<std::filesystem::path> ParseUserDir(std::string_view value, const std::filesystem::path& home) {
  std::string text;
  bool quoted = false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == '\\' && i + 1 < value.size()) {
      text += value[++i];
    } else if (!quoted && (c == ' ' || c == '\t' || c == '#')) {
      break;
    } else {
      text += c;
    }
  }
  constexpr std::string_view kHome = "$HOME";
  if (text.starts_with(kHome) && (text.size() == kHome.size() || text[kHome.size()] == '/')) {
    if (home.empty()) return std::nullopt;
    const std::size_t start = text.find_first_not_of('/', kHome.size());
    return start == std::string::npos ? home : home / text.substr(start);
  }
  if (text.starts_with('/')) return std::filesystem::path(text);
  return std::nullopt;
}

std::filesystem::path ConfigFolderOf(const std::filesystem::path& home) {
  if (auto xdg = AbsoluteEnvPath("XDG_CONFIG_HOME")) return *xdg;
  if (!home.empty()) return home / ".config";
  return {};
}

std::optional<std::filesystem::path> ConfiguredDesktop(const std::filesystem::path& home) {
  const std::filesystem::path config = ConfigFolderOf(home);
  if (config.empty()) return std::nullopt;
  std::ifstream in(config / "user-dirs.dirs");
  std::string line;
  std::optional<std::filesystem::path> found;
  while (std::getline(in, line)) {
    std::string_view rest = line;
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
    if (!rest.starts_with(kKey)) continue;
    // Like a shell sourcing the file, a later line wins.
    if (auto dir = ParseUserDir(rest.substr(kKey.size()), home)) found = dir;
  }
  return found;
}

}  // namespace

std::filesystem::path ExecutablePath() {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return exe;
}

std::filesystem::path ExecutableFolder() { return ExecutablePath().parent_path(); }

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && home[0] != '\0') return home;
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* result = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_dir)
    return result->pw_dir;
  return {};
}

std::filesystem::path DesktopFolder() {
  const std::filesystem::path home = HomeFolder();
  std::filesystem::path desktop;
  if (auto configured = ConfiguredDesktop(home)) {
    desktop = *configured;
  } else if (!home.empty()) {
    desktop = home / "Desktop";
  } else {
    return {};
  }
  struct stat info {};
  if (stat(desktop.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? desktop : std::filesystem::path();
  if (mkdir(desktop.c_str(), 0755) == 0 || errno == EEXIST) return desktop;
  return {};
}

std::filesystem::path DefaultDownloadFolder() {
  // A desktop or home that is "/" (HOME=/ for a system user) would spill songs over the root.
  const auto usable = [](const std::filesystem::path& folder) {
    struct stat info {};
    return !folder.empty() && folder.lexically_normal() != "/" && stat(folder.c_str(), &info) == 0 &&
           S_ISDIR(info.st_mode);
  };
  if (std::filesystem::path desktop = DesktopFolder(); usable(desktop)) return desktop;
  if (std::filesystem::path home = HomeFolder(); usable(home)) return home;
  return {};
}

std::filesystem::path UserDataFolder() {
  if (auto xdg = AbsoluteEnvPath("XDG_DATA_HOME")) return *xdg;
  const std::filesystem::path home = HomeFolder();
  if (home.empty()) return {};
  return home / ".local" / "share";
}

std::filesystem::path UserConfigFolder() { return ConfigFolderOf(HomeFolder()); }

std::filesystem::path ConfigFilePath(const std::filesystem::path& app_folder) {
  // Writability is the user's, as a save would meet it: a folder only root may write is an
  // installed program's.
  if (!app_folder.empty() && access(app_folder.c_str(), W_OK) == 0) return app_folder / "config.ini";
  const std::filesystem::path config = UserConfigFolder();
  if (config.empty()) return app_folder / "config.ini";
  return config / "melvoro" / "config.ini";
}

}  // namespace melvoro
