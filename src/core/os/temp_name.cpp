#include "core/os/temp_name.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/os/file_io.h"
#include "core/os/os_path.h"

namespace melvoro {

namespace {

constexpr std::string_view kExtension = ".~tp";
// Each try leaves a stem file behind; a folder where this many tries find no free name has
// something wrong with it.
constexpr int kTriesPerFolder = 100;

// The folders to try, in order. A $TMPDIR that Windows-1251 cannot spell is skipped: the
// name handed back would lead somewhere else.
std::vector<std::filesystem::path> TemporaryFolders() {
  std::vector<std::filesystem::path> folders;
  const char* tmpdir = std::getenv("TMPDIR");
  if (tmpdir && *tmpdir) {
    const std::filesystem::path folder(tmpdir);
    if (ToOsPath(FromOsPath(folder)) == folder) folders.push_back(folder);
  }
  folders.emplace_back("/tmp");
  return folders;
}

// A new empty file "~XXXXXX" in folder; its path, or empty with errno set.
std::filesystem::path ReserveStem(const std::filesystem::path& folder) {
  std::string pattern = (folder / "~XXXXXX").string();
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return {};
  ::close(fd);
  return pattern;
}

bool Exists(const std::filesystem::path& path) {
  struct stat info {};
  // Anything but "no such file" counts as taken: a name we cannot check is no free name.
  return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

}  // namespace

std::string TempName() {
  int error = EEXIST;
  std::filesystem::path tried;
  for (const auto& folder : TemporaryFolders()) {
    tried = folder;
    for (int n = 0; n < kTriesPerFolder; ++n) {
      const std::filesystem::path stem = ReserveStem(folder);
      if (stem.empty()) {
        error = errno;
        break;
      }
      std::filesystem::path name = stem;
      name += kExtension;
      if (!Exists(name)) return FromOsPath(name);
      error = EEXIST;
    }
  }
  throw FileError(tried, error);
}

int CreateNewFile(std::string_view cp1251_path) {
  const std::filesystem::path path = ToOsPath(cp1251_path);
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

std::string WriteNewTempFile(std::string_view extension, std::string_view bytes) {
  // The name is made and taken in one step: no file reserving its stem is left beside it.
  const std::string suffix = std::string(kExtension) + ToOsPath(extension).string();
  int error = EEXIST;
  std::filesystem::path tried;
  for (const auto& folder : TemporaryFolders()) {
    tried = folder;
    std::string path = (folder / "~XXXXXX").string() + suffix;
    const int fd = ::mkostemps(path.data(), static_cast<int>(suffix.size()), O_CLOEXEC);
    if (fd < 0) {
      error = errno;
      continue;
    }
    const bool written = WriteAll(fd, bytes);
    error = errno;
    const bool closed = ::close(fd) == 0;
    if (written && closed) return FromOsPath(path);
    if (written) error = errno;
    ::unlink(path.c_str());
    throw FileError(path, error);
  }
  throw FileError(tried, error);
}

}  // namespace melvoro
