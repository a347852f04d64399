#include "session/log_out.h"

#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "core/os/file_io.h"
#include "core/os/os_path.h"
#include "core/text/text_helpers.h"

namespace melvoro {

namespace {

struct Failure {
  std::filesystem::path path;
  int error = 0;
};

// Deletes the regular files of folder whose lower-cased name holds word; counts them.
int DeleteMatching(const std::filesystem::path& folder, const std::string& word,
                   std::optional<Failure>& failure) {
  // An empty word is in every name: deleting the whole folder is no log-out.
  if (word.empty()) return 0;
  std::error_code error;
  std::vector<std::filesystem::path> matching;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code vanished;
    if (it->symlink_status(vanished).type() != std::filesystem::file_type::regular) continue;
    if (CyrLowerCase(FromOsPath(it->path().filename())).find(word) != std::string::npos)
      matching.push_back(it->path());
  }
  if (error && error != std::errc::no_such_file_or_directory && !failure)
    failure = Failure{folder, error.value()};
  int deleted = 0;
  for (const auto& file : matching) {
    if (::unlink(file.c_str()) == 0) {
      ++deleted;
    } else if (errno != ENOENT && !failure) {  // gone already is as good as deleted by us
      failure = Failure{file, errno};
    }
  }
  return deleted;
}

}  // namespace

int LogOut(const std::filesystem::path& cookie_folder, const Hosts& hosts) {
  // An empty folder would mean the current one.
  if (cookie_folder.empty()) return 0;
  std::optional<Failure> failure;
  int deleted = DeleteMatching(cookie_folder, CyrLowerCase(HostWord(hosts.Network)), failure);
  deleted += DeleteMatching(cookie_folder, CyrLowerCase(HostWithoutPort(hosts.Login)), failure);
  if (failure) throw FileError(failure->path, failure->error);
  return deleted;
}

}  // namespace melvoro
