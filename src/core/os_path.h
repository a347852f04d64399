// File-system paths at the edge: the engine names files in Windows-1251, Linux in UTF-8.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace melvoro {

std::filesystem::path ToOsPath(std::string_view cp1251_path);
// Characters outside Windows-1251 become "?".
std::string FromOsPath(const std::filesystem::path& path);

}  // namespace melvoro
