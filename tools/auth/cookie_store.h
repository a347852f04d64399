// The saved session of one social network: a file of its own under the user's data folder,
// readable by the user alone. Passwords are never stored.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace melvoro::auth {

class CookieStore {
 public:
  // network_host is the Network entry of the hosts table (Windows-1251, may carry ":port").
  CookieStore(std::filesystem::path data_folder, std::string_view network_host);

  // <data>/melvoro/cookies/<host>.cookie (session/cookie_folder), so the program's
  // log-out finds it by the host's word.
  const std::filesystem::path& File() const { return file_; }

  // The saved cookie, nothing when none is saved. Throws std::runtime_error (UTF-8) when the
  // file exists but cannot be read.
  std::optional<std::string> Load() const;
  // Replaces the file atomically, mode 0600, creating the folders with mode 0700.
  void Save(std::string_view cookie) const;
  // False when there was nothing to delete.
  bool Remove() const;

 private:
  std::filesystem::path folder_;
  std::filesystem::path file_;
};

// "remixsid=..." cookies only: the text trimmed of blanks and line ends, nothing when it holds
// no "remixsid" or has a line break inside (it would break the program's Cookie header).
std::optional<std::string> CleanCookie(std::string_view text);

}  // namespace melvoro::auth
