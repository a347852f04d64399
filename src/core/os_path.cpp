#include "core/os_path.h"

#include "core/cp1251.h"

namespace melvoro {

std::filesystem::path ToOsPath(std::string_view cp1251_path) {
  return std::filesystem::path(Cp1251ToUtf8(cp1251_path));
}

std::string FromOsPath(const std::filesystem::path& path) { return Utf8ToCp1251(path.native()); }

}  // namespace melvoro
