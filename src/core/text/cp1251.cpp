#include "core/text/cp1251.h"

namespace melvoro {

using namespace cp1251_detail;

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char ByteOrQuestionMark(char32_t cp) {
  const int b = ByteForCodePoint(cp);
  return b == kNoByte ? '?' : static_cast<char>(b);
}

// Base letters of U+00C0..U+017F; '?' where the character is no letter with one base letter.
constexpr std::string_view kLatinBase =
    "AAAAAA?CEEEEIIIIDNOOOOO?OUUUUY??aaaaaa?ceeeeiiiidnooooo?ouuuuy?y"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

void AppendFolded(std::string& out, char32_t cp) {
  if (const int b = ByteForCodePoint(cp); b != kNoByte) {
    out += static_cast<char>(b);
    return;
  }
  if (cp >= 0x0300 && cp <= 0x036F) return;  // a combining accent: the letter before it stays
  switch (cp) {
    case 0xC6:
      out += "AE";
      return;
    case 0xE6:
      out += "ae";
      return;
    case 0xDE:
      out += "Th";
      return;
    case 0xFE:
      out += "th";
      return;
    case 0xDF:
      out += "ss";
      return;
    case 0x132:
      out += "IJ";
      return;
    case 0x133:
      out += "ij";
      return;
    case 0x152:
      out += "OE";
      return;
    case 0x153:
      out += "oe";
      return;
    default:
      break;
  }
  out += cp >= 0xC0 && cp <= 0x17F ? kLatinBase[cp - 0xC0] : '?';
}

}  // namespace

std::string Utf8ToCp1251Folded(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  std::size_t i = 0;
  while (i < utf8.size()) AppendFolded(out, DecodeUtf8(s, utf8.size(), i));
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  std::size_t i = 0;
  while (i < utf8.size()) {
    if (s[i] < 0x80) {  // the common case: ASCII runs
      out += static_cast<char>(s[i++]);
      continue;
    }
    out += ByteOrQuestionMark(DecodeUtf8(s, utf8.size(), i));
  }
  return out;
}

std::string Cp1251ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (const char c : text) AppendUtf8(out, CodePointForByte(static_cast<unsigned char>(c)));
  return out;
}

std::u16string Cp1251ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (const char c : text) out += static_cast<char16_t>(CodePointForByte(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf16ToCp1251(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char16_t u = utf16[i];
    if (u >= 0xD800 && u <= 0xDFFF) {
      // A surrogate pair is one character outside the code page; a lone half is one "?" too.
      if (u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) ++i;
      out += '?';
      continue;
    }
    out += ByteOrQuestionMark(u);
  }
  return out;
}

}  // namespace melvoro
