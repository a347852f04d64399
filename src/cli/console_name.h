// A name typed on the console (UTF-8) as the engine keeps it (Windows-1251).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/cp1251.h"

namespace melvoro::cli {

// A character the code page lacks becomes a numeric entity "&#N;", as a browser sends it from a
// Windows-1251 form, rather than "?": two names that differ only there stay two names, for the
// look-up and for the file. Malformed UTF-8 gives U+FFFD's entity.
inline std::string NameFromConsole(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = cp1251_detail::DecodeUtf8(bytes, utf8.size(), i);
    const int byte = cp1251_detail::ByteForCodePoint(cp);
    if (byte != cp1251_detail::kNoByte) {
      out += static_cast<char>(byte);
    } else {
      out += "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
    }
  }
  return out;
}

}  // namespace melvoro::cli
