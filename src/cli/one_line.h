// A page's text as one field of a line of output: a decoded "&#10;" or "&#9;" must not start a
// line or a column of its own.
#pragma once

#include <string>
#include <string_view>

#include "core/text/cp1251.h"

namespace melvoro::cli {

// UTF-8, with every control character a space.
inline std::string OneLine(std::string_view cp1251) {
  std::string text(cp1251);
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return Cp1251ToUtf8(text);
}

}  // namespace melvoro::cli
