// The one place where Windows-1251, the engine's text encoding, meets UTF-8 and UTF-16.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace melvoro {

namespace cp1251_detail {

// Unicode code points of the bytes 0x80..0xFF. 0x98 has no character in the code page; it
// maps to U+0098 so that every byte survives a round trip.
inline constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  //
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  //
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  //
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  //
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  //
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  //
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  //
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  //
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  //
};

inline constexpr int kNoByte = -1;

// The byte for a code point, or kNoByte when the code page lacks the character.
constexpr int ByteForCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(cp - 0x0410 + 0xC0);
  for (std::size_t i = 0; i < 64; ++i)
    if (kHighHalf[i] == cp) return static_cast<int>(0x80 + i);
  return kNoByte;
}

constexpr char32_t CodePointForByte(unsigned char b) {
  return b < 0x80 ? char32_t{b} : char32_t{kHighHalf[b - 0x80]};
}

// Decodes one UTF-8 sequence at s[i]; advances i. Malformed input yields U+FFFD and
// consumes one byte, so decoding always makes progress.
constexpr char32_t DecodeUtf8(const unsigned char* s, std::size_t n, std::size_t& i) {
  const unsigned char lead = s[i];
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  std::size_t extra = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, min = 0x10000;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + extra >= n) {  // sequence runs past the end
    ++i;
    return 0xFFFD;
  }
  for (std::size_t k = 1; k <= extra; ++k) {
    const unsigned char c = s[i + k];
    if ((c & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += extra + 1;
  return cp;
}

template <std::size_t N>
struct Literal {
  char data[N]{};
  std::size_t size = 0;
  constexpr operator std::string_view() const { return {data, size}; }  // NOLINT: implicit by design
  std::string str() const { return std::string(data, size); }
};

}  // namespace cp1251_detail

// A UTF-8 source literal turned into Windows-1251 bytes at compile time. A character the
// code page lacks stops the build.
template <std::size_t N>
consteval cp1251_detail::Literal<N> W1251(const char8_t (&utf8)[N]) {
  cp1251_detail::Literal<N> out;
  const std::size_t n = N - 1;  // without the terminating zero
  unsigned char bytes[N]{};
  for (std::size_t k = 0; k < n; ++k) bytes[k] = static_cast<unsigned char>(utf8[k]);
  std::size_t i = 0;
  while (i < n) {
    const char32_t cp = cp1251_detail::DecodeUtf8(bytes, n, i);
    const int b = cp1251_detail::ByteForCodePoint(cp);
    if (cp == 0xFFFD || b == cp1251_detail::kNoByte)
      throw "character outside Windows-1251 in a text constant";
    out.data[out.size++] = static_cast<char>(b);
  }
  return out;
}

// UTF-8 to Windows-1251; characters the code page lacks, and malformed sequences, become "?".
std::string Utf8ToCp1251(std::string_view utf8);
// The same for names from other sites, which the network's cp1251 users spell without accents:
// a Latin letter the code page lacks becomes its base letter (ö -> o, ß -> ss, Æ -> AE) and a
// combining accent goes, so the name still matches the uploads; anything else missing is "?".
std::string Utf8ToCp1251Folded(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view text);

// UTF-16 at the Qt edge. Unpaired surrogates and missing characters become "?".
std::u16string Cp1251ToUtf16(std::string_view text);
std::string Utf16ToCp1251(std::u16string_view utf16);

}  // namespace melvoro
