#include "cookie_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "core/os/file_io.h"
#include "core/os/os_path.h"
#include "session/cookie_folder.h"

namespace melvoro::auth {

namespace {

// Each missing level is made 0700: the folder holds sessions.
void MakeFolders(const std::filesystem::path& folder) {
  std::filesystem::path built;
  for (const auto& part : folder) {
    built /= part;
    struct stat info {};
    if (stat(built.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) continue;
    if (mkdir(built.c_str(), 0700) != 0 && errno != EEXIST) throw FileError(built, errno);
  }
}

}  // namespace

CookieStore::CookieStore(std::filesystem::path data_folder, std::string_view network_host)
    : folder_(CookieFolderIn(data_folder)) {
  // Never a folder relative to wherever auth happens to run.
  if (!data_folder.is_absolute()) throw std::runtime_error("no user data folder: HOME is not set");
  file_ = folder_ / CookieFileName(network_host);
}

std::optional<std::string> CookieStore::Load() const {
  const std::optional<std::string> bytes = ReadWholeFile(file_);
  if (!bytes) return std::nullopt;
  return CleanCookie(*bytes);
}

void CookieStore::Save(std::string_view cookie) const {
  MakeFolders(folder_);
  ReplaceFileAtomically(file_, cookie, 0600);
}

bool CookieStore::Remove() const {
  if (unlink(file_.c_str()) == 0) return true;
  if (errno == ENOENT) return false;
  throw FileError(file_, errno);
}

std::optional<std::string> CleanCookie(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
  if (text.find("remixsid") == std::string_view::npos) return std::nullopt;
  if (text.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
  return std::string(text);
}

}  // namespace melvoro::auth
