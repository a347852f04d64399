// File-system paths at the edge: the engine names files in Windows-1251, Linux in UTF-8.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace melvoro {

std::filesystem::path ToOsPath(std::string_view cp1251_path);
// Characters outside Windows-1251 become "?".
std::string FromOsPath(const std::filesystem::path& path);

// The path with a last component the file system can hold: NUL bytes dropped (the OS would
// cut the path there), and a name longer than the folder's limit, counted in UTF-8 bytes less
// room for a part-file suffix, cut at the end of its stem, keeping the extension and whole
// characters, and tagged with NameTag of the whole name, so names that differ only beyond the
// cut keep files of their own. Windows-1251 in and out.
std::string FitFileName(std::string_view cp1251_path);

// "~" and 8 hex digits of a hash of the text: marks a file name that had to lose part of the
// text it stands for, and keeps such names apart.
std::string NameTag(std::string_view text);

}  // namespace melvoro
