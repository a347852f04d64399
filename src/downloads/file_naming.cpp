#include "downloads/file_naming.h"

#include "core/os/os_path.h"
#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

// The characters a Windows file name cannot hold; they stay out on Linux too, so a name
// means the same file on both.
constexpr std::string_view kRemoved = "/\\:*?\"<>|";

bool IsControl(char ch) {
  const auto byte = static_cast<unsigned char>(ch);
  return byte < 0x20 || byte == 0x7F;
}

// Only dots and blanks: no name at all, or one the file manager hides.
bool LeavesNothing(std::string_view name) { return name.find_first_not_of(". ") == std::string_view::npos; }

// folder + "/" + name, without doubling a "/" the folder ends with.
std::string InFolder(std::string_view folder, std::string_view name) {
  while (folder.size() > 1 && folder.ends_with('/')) folder.remove_suffix(1);
  std::string path(folder);
  if (!path.ends_with('/')) path += '/';
  path += name;
  return path;
}

}  // namespace

std::string DiskName(std::string_view full_name) {
  const std::string sanitized = SanitizeFileName(full_name);
  std::string name;
  name.reserve(sanitized.size());
  for (const char ch : sanitized)
    if (!IsControl(ch)) name += ch;
  if (name.size() == sanitized.size() && !LeavesNothing(name)) return name;
  if (LeavesNothing(name)) name = texts::kUnnamedFile.str();
  return name + NameTag(full_name);
}

std::string SanitizeFileName(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text)
    if (kRemoved.find(ch) == std::string_view::npos) out += ch;
  return out;
}

std::string DownloadPath(std::string_view folder, std::string_view row_name) {
  return InFolder(folder, DiskName(row_name) + ".mp3");
}

std::string AlbumName(std::string_view artist, std::string_view album) {
  std::string name(artist);
  name += W1251(u8" — ");
  name += album;
  return name;
}

std::string AlbumFolder(std::string_view download_folder, std::string_view artist, std::string_view album) {
  return InFolder(download_folder, DiskName(AlbumName(artist, album))) + '/';
}

}  // namespace melvoro
