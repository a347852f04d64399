#include "downloads/album_playlist.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/os/file_io.h"
#include "core/os/os_path.h"
#include "downloads/file_naming.h"

namespace melvoro {

std::string AlbumPlaylistText(const std::vector<std::string>& titles) {
  std::string text = "#EXTM3U\r\n";
  for (const std::string& title : titles) {
    // Players read the duration 0 as unknown and measure the file themselves.
    text += "#EXTINF:0,";
    text += title;
    text += "\r\n";
    text += SanitizeFileName(title);
    text += ".mp3\r\n\r\n";
  }
  text += "\r\n\r\n";
  return text;
}

std::string AlbumPlaylistPath(std::string_view album_folder, std::string_view artist,
                              std::string_view album) {
  std::string path(album_folder);
  path += DiskName(AlbumName(artist, album));
  path += ".m3u";
  return path;
}

void WriteAlbumPlaylist(std::string_view path, std::string_view text) {
  const std::filesystem::path file = ToOsPath(FitFileName(path));
  int fd;
  do {
    fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw FileError(file, errno);
  const bool written = WriteAll(fd, text);
  const int write_error = errno;
  // close() is where a full disk on a network file system shows itself.
  if (::close(fd) != 0 && written) throw FileError(file, errno);
  if (!written) throw FileError(file, write_error);
}

}  // namespace melvoro
