#include "downloads/file_naming.h"

#include "core/cp1251.h"
#include "core/text_helpers.h"

namespace melvoro {

namespace {

// The characters a Windows file name cannot hold; they stay out on Linux too, so a name
// means the same file on both.
constexpr std::string_view kRemoved = "/\\:*?\"<>|";

}  // namespace

std::string SanitizeFileName(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text)
    if (kRemoved.find(ch) == std::string_view::npos) out += ch;
  return out;
}

std::string DownloadPath(std::string_view folder, std::string_view row_name) {
  std::string path(folder);
  path += '/';
  path += SanitizeFileName(row_name);
  path += ".mp3";
  return path;
}

std::string AlbumName(std::string_view artist, std::string_view album) {
  std::string name(artist);
  name += W1251(u8" — ");
  name += album;
  return name;
}

std::string AlbumFolder(std::string_view download_folder, std::string_view artist, std::string_view album) {
  std::string folder(download_folder);
  folder += SanitizeFileName(AlbumName(artist, album));
  folder += '/';
  return folder;
}

std::string FileManagerPath(std::string_view stored_path) { return ReplaceAll(stored_path, "//", "/"); }

}  // namespace melvoro
