// Whole-file reads and atomic replacements, the way every small file of the program is kept.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace melvoro {

// A file that exists but cannot be read or written. what() is "<path>: <reason>" in UTF-8.
class FileError : public std::runtime_error {
 public:
  FileError(const std::filesystem::path& path, int error);
  FileError(const std::filesystem::path& path, std::string_view reason);
};

// The file's bytes; nothing when it does not exist. Throws FileError otherwise, also for
// anything but a regular file (a FIFO or a device), without waiting on it.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes all of bytes to fd, retrying short writes and EINTR. False with errno set on failure.
bool WriteAll(int fd, std::string_view bytes);

// Replaces target with bytes at once: a temporary file beside it, synced, then renamed over
// it, so a crash leaves the old file or the new one, never half of one. The new file gets
// `mode` when given, else the old file's mode (a new file: the umask's). A symlink stays a
// symlink: the file it points to is replaced. Throws FileError.
void ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                           std::optional<mode_t> mode = std::nullopt);

}  // namespace melvoro
