#include "core/os/os_path.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>

#include "core/text/cp1251.h"

namespace melvoro {

namespace {

// A transfer writes "<name>.part", or "<name>.<1..99>.part" beside a busy one.
constexpr std::size_t kPartSuffixRoom = 8;
constexpr long kDefaultNameMax = 255;

std::size_t NameLimit(std::string_view cp1251_folder) {
  const std::string folder = Cp1251ToUtf8(cp1251_folder);
  long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  if (limit <= 0) limit = kDefaultNameMax;
  const auto room = static_cast<std::size_t>(limit);
  return room > kPartSuffixRoom ? room - kPartSuffixRoom : 1;
}

std::size_t Utf8Size(std::string_view cp1251) {
  std::size_t size = 0;
  for (const char ch : cp1251) {
    const char32_t cp = cp1251_detail::CodePointForByte(static_cast<unsigned char>(ch));
    size += cp < 0x80 ? 1 : cp < 0x800 ? 2 : 3;
  }
  return size;
}

}  // namespace

std::filesystem::path ToOsPath(std::string_view cp1251_path) {
  return std::filesystem::path(Cp1251ToUtf8(cp1251_path));
}

std::string FromOsPath(const std::filesystem::path& path) { return Utf8ToCp1251(path.native()); }

std::string NameTag(std::string_view text) {
  // FNV-1a: the same text gives the same tag in every run and on every machine.
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char ch : text) {
    hash ^= static_cast<unsigned char>(ch);
    hash *= 1099511628211ULL;
  }
  const auto folded = static_cast<std::uint32_t>(hash ^ (hash >> 32));
  char tag[10];
  std::snprintf(tag, sizeof tag, "~%08x", folded);
  return tag;
}

std::string FitFileName(std::string_view cp1251_path) {
  std::string path;
  path.reserve(cp1251_path.size());
  // A NUL anywhere would end the path early at the OS and name another file.
  for (const char ch : cp1251_path)
    if (ch != '\0') path += ch;

  const std::size_t slash = path.rfind('/');
  const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  const std::string_view name = std::string_view(path).substr(name_start);
  if (name.empty()) return path;
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const std::size_t limit = NameLimit(folder);
  if (Utf8Size(name) <= limit) return path;

  // A file system with names too short for the tag only gets the cut.
  std::string tag = NameTag(name);
  if (tag.size() >= limit) tag.clear();
  // The extension stays whole unless it and the tag alone would not fit; a leading dot starts
  // no extension.
  std::size_t dot = name.rfind('.');
  if (dot == 0 || dot == std::string_view::npos || Utf8Size(name.substr(dot)) + tag.size() >= limit)
    dot = name.size();
  const std::string_view extension = name.substr(dot);
  std::string_view stem = name.substr(0, dot);
  // Each Windows-1251 byte is one whole character, so cutting bytes never splits one.
  std::size_t size = Utf8Size(stem) + tag.size() + Utf8Size(extension);
  while (size > limit && !stem.empty()) {
    size -= Utf8Size(stem.substr(stem.size() - 1));
    stem.remove_suffix(1);
  }
  return path.substr(0, name_start) + std::string(stem) + tag + std::string(extension);
}

}  // namespace melvoro
