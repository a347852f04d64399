#include "core/http/part_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "core/os/file_io.h"
#include "core/os/os_path.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

constexpr int kMaxSiblings = 100;
constexpr int kMaxNumberedNames = 1000;

std::runtime_error TransferFileError(std::string_view prefix, std::string_view name, int error) {
  return std::runtime_error(std::string(prefix) + std::string(name) + " (" + std::strerror(error) + ")");
}

// Failures that come of what stands under the name (a link, a FIFO without a reader, a
// folder, a file we may not write): the next name may do.
bool Foreign(int error) {
  return error == ELOOP || error == ENXIO || error == EISDIR || error == EACCES || error == EPERM ||
         error == ETXTBSY || error == EWOULDBLOCK;
}

bool OwnRegularFile(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1 && info.st_uid == ::geteuid();
}

// "folder/stem (n).ext", fitted to the file system's name limit like the target was.
std::string NumberedName(std::string_view target, int n) {
  const std::size_t slash = target.rfind('/');
  const std::size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
  std::size_t dot = target.rfind('.');
  if (dot == std::string_view::npos || dot <= name_start) dot = target.size();
  return FitFileName(std::string(target.substr(0, dot)) + " (" + std::to_string(n) + ")" +
                     std::string(target.substr(dot)));
}

// 0, or the errno of a failure; EEXIST when another file holds the name. Checking first and
// renaming after would let two transfers finishing together take one name.
int MoveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  // A file system without the flag: a hard link claims the name just as atomically.
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  ::unlink(from.c_str());
  return 0;
}

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

bool ReadFull(int fd, char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t got = ::read(fd, data, size);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    data += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

// Whether the regular file under `existing` (never followed through a link) holds the bytes of `ours`.
bool SameBytes(const std::filesystem::path& existing, const std::filesystem::path& ours) {
  const Descriptor a{::open(existing.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  const Descriptor b{::open(ours.c_str(), O_RDONLY | O_CLOEXEC)};
  struct stat sa {};
  struct stat sb {};
  if (a.fd < 0 || b.fd < 0 || ::fstat(a.fd, &sa) != 0 || ::fstat(b.fd, &sb) != 0 || !S_ISREG(sa.st_mode) ||
      sa.st_size != sb.st_size)
    return false;
  constexpr std::size_t kChunk = 64 * 1024;
  std::string x(kChunk, '\0'), y(kChunk, '\0');
  for (auto left = static_cast<std::uint64_t>(sa.st_size); left > 0;) {
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, kChunk));
    if (!ReadFull(a.fd, x.data(), n) || !ReadFull(b.fd, y.data(), n) || x.compare(0, n, y, 0, n) != 0)
      return false;
    left -= n;
  }
  return true;
}

}  // namespace

PartFile::PartFile(std::string_view target_cp1251)
    : target_cp1251_(target_cp1251), target_(ToOsPath(target_cp1251)) {
  int first_error = 0;
  // The lock tells apart a stale leftover, which we may reuse, from a transfer that is still
  // writing it, which we must not disturb.
  for (int n = 0; n < kMaxSiblings; ++n) {
    std::filesystem::path candidate = target_;
    candidate += n == 0 ? std::string(kSuffix) : "." + std::to_string(n) + std::string(kSuffix);
    // A planted link must not lead the download elsewhere, and a FIFO must not hold it up.
    const int fd =
        ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
      const int error = errno;
      if (!Foreign(error)) throw TransferFileError(texts::kErrCannotCreateFile, target_cp1251_, error);
      if (first_error == 0) first_error = error;
      continue;
    }
    if (!OwnRegularFile(fd)) {
      // Someone else's file, another link to one, or no file at all: not ours to empty.
      if (first_error == 0) first_error = EEXIST;
      ::close(fd);
      continue;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      // Only a leftover needs emptying. ext4 takes a truncation to zero as a file being
      // replaced and writes all its data out on close, which would halve a download's speed.
      struct stat info {};
      if (::fstat(fd, &info) != 0 || (info.st_size > 0 && ::ftruncate(fd, 0) != 0) ||
          ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(fd);
        throw TransferFileError(texts::kErrCannotCreateFile, target_cp1251_, error);
      }
      fd_ = fd;
      temp_ = candidate;
      return;
    }
    ::close(fd);
  }
  throw TransferFileError(texts::kErrCannotCreateFile, target_cp1251_,
                          first_error != 0 ? first_error : EBUSY);
}

PartFile::~PartFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
}

void PartFile::Write(const char* data, std::size_t size) {
  if (!WriteAll(fd_, std::string_view(data, size)))
    throw TransferFileError(texts::kErrCannotWriteFile, target_cp1251_, errno);
}

void PartFile::Commit() {
  // Rename while still holding the lock, so no other writer can claim the name in between.
  if (::rename(temp_.c_str(), target_.c_str()) != 0)
    throw TransferFileError(texts::kErrCannotWriteFile, target_cp1251_, errno);
  committed_ = true;
  if (::close(fd_) != 0) {
    fd_ = -1;
    throw TransferFileError(texts::kErrCannotWriteFile, target_cp1251_, errno);
  }
  fd_ = -1;
}

std::string PartFile::CommitKeepingOthers() {
  // Named while still holding the lock, as Commit does.
  for (int n = 1; n <= kMaxNumberedNames; ++n) {
    const std::string name = n == 1 ? target_cp1251_ : NumberedName(target_cp1251_, n);
    const std::filesystem::path path = ToOsPath(name);
    const int error = MoveWithoutReplacing(temp_, path);
    if (error == EEXIST && !SameBytes(path, temp_)) continue;
    if (error != 0 && error != EEXIST) throw TransferFileError(texts::kErrCannotWriteFile, name, error);
    // Moved, or the same song is there already: the temporary file has gone or goes now.
    if (error == EEXIST) ::unlink(temp_.c_str());
    committed_ = true;
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) throw TransferFileError(texts::kErrCannotWriteFile, name, errno);
    return name;
  }
  throw TransferFileError(texts::kErrCannotWriteFile, target_cp1251_, EEXIST);
}

}  // namespace melvoro
