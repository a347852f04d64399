#include "core/http/part_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "core/os/file_io.h"
#include "core/os/os_path.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

constexpr int kMaxSiblings = 100;

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

}  // namespace melvoro
