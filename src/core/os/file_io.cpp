#include "core/os/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace melvoro {

namespace {

// A file kept in a dotfiles folder and linked into place: replace what the link points to.
std::filesystem::path ResolveLinks(std::filesystem::path path) {
  std::error_code error;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, error); ++hops) {
    const auto target = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

}  // namespace

FileError::FileError(const std::filesystem::path& path, int error) : FileError(path, std::strerror(error)) {}

FileError::FileError(const std::filesystem::path& path, std::string_view reason)
    : std::runtime_error(path.string() + ": " + std::string(reason)) {}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t done = ::write(fd, bytes.data(), bytes.size());
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
  return true;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  int fd;
  do {
    // A FIFO would block the open until someone writes to it.
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throw FileError(path, errno);
  }
  // A FIFO or a device has no end to read to.
  struct stat info {};
  const bool stated = ::fstat(fd, &info) == 0;
  const int stat_error = errno;
  if (!stated || !S_ISREG(info.st_mode)) {
    ::close(fd);
    if (!stated) throw FileError(path, stat_error);
    throw FileError(path, "not a regular file");
  }
  std::string bytes;
  char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
      bytes.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      const int error = errno;
      ::close(fd);
      throw FileError(path, error);
    }
  }
  ::close(fd);
  return bytes;
}

void ReplaceFileAtomically(const std::filesystem::path& target_path, std::string_view bytes,
                           std::optional<mode_t> mode) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path target = ResolveLinks(target_path);
  std::filesystem::path temp;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely about a chain of operator+.
    std::string name = ".";
    name += target.filename().string();
    name += ".tmp-";
    name += std::to_string(getpid());
    name += '-';
    name += std::to_string(counter++);
    temp = target.parent_path() / name;
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0 && errno != EEXIST && errno != EINTR) break;
  }
  if (fd < 0) throw FileError(temp, errno);

  struct stat old {};
  bool ok = true;
  if (mode) {
    ok = ::fchmod(fd, *mode) == 0;  // whatever the umask says
  } else if (::stat(target.c_str(), &old) == 0) {
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    throw FileError(target, error);
  }
}

}  // namespace melvoro
