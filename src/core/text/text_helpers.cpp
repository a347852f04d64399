#include "core/text/text_helpers.h"

#include <charconv>

#include <cstdint>
#include <limits>

#include "core/text/cp1251.h"
#include "core/text/regex.h"

namespace melvoro {

namespace {

bool IsUrlSafe(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '.' ||
         c == ';' || c == '=' || c == '_';
}

const Regex& NumericEntityPattern() {
  static const Regex pattern("&#([0-9]*);");
  return pattern;
}

// The entity's digits as a 32-bit signed value, or -1 when there are none or too many.
std::int64_t EntityValue(std::string_view digits) {
  if (digits.empty()) return -1;
  std::int64_t value = 0;
  for (const char d : digits) {
    value = value * 10 + (d - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) return -1;
  }
  return value;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    const std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos || from.empty()) break;
    out.append(text, pos, hit - pos);
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text, pos);
  return out;
}

std::string PercentEncode(std::string_view text, bool (*keep)(unsigned char)) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * 3);
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (keep(c)) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

std::string UrlEncode(std::string_view text) { return PercentEncode(text, IsUrlSafe); }

std::string HtmlDecode(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  std::size_t copied = 0;
  NumericEntityPattern().ForEachMatch(text, [&](const RegexMatch& m) {
    const std::int64_t value = EntityValue(m.Group(1));
    if (value < 0) return true;  // not a number: the entity stays in the copied text
    decoded.append(text, copied, m.Start() - copied);
    if (value <= 255) decoded += static_cast<char>(value);
    copied = m.End();
    return true;
  });
  decoded.append(text, copied);

  std::string out = ReplaceAll(decoded, "&quot;", "\"");
  out = ReplaceAll(out, "&amp;", "&");
  out = ReplaceAll(out, "&lt;", "<");
  return ReplaceAll(out, "&gt;", ">");
}

std::string HtmlEscape(std::string_view text) {
  std::string out = ReplaceAll(text, "&", "&amp;");
  out = ReplaceAll(out, "<", "&lt;");
  return ReplaceAll(out, ">", "&gt;");
}

std::string CyrLowerCase(std::string_view text) {
  std::string out(text);
  for (char& ch : out) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 'A' && c <= 'Z') {
      ch = static_cast<char>(c + ('a' - 'A'));
    } else if (c >= 0xC0 && c <= 0xDF) {
      ch = static_cast<char>(c + 0x20);
    } else if (c == 0xA8) {  // Ё
      ch = static_cast<char>(0xB8);
    }
  }
  return out;
}

std::string NormalizeForMatch(std::string_view name) {
  std::string kept;
  kept.reserve(name.size());
  for (const char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0) kept += ch;
  }
  return CyrLowerCase(kept);
}

std::string PageTextForLog(std::string_view text) {
  const std::string crlf = ReplaceAll(text, "\n", "\r\n");
  if (text.find("utf-8") != std::string_view::npos) return Utf8ToCp1251(crlf);
  return crlf;
}

std::optional<std::int32_t> DecimalNumber(std::string_view text) {
  std::int32_t value = 0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, value);
  if (text.empty() || error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace melvoro
