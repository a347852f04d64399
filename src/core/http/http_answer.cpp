#include "core/http/http_answer.h"

#include <algorithm>
#include <cctype>

#include "core/text/text_helpers.h"

namespace melvoro {

namespace {

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower;
}

}  // namespace

std::optional<std::string> RequestUrl(std::string_view url) {
  const std::size_t scheme_end = url.find("://");
  if (scheme_end != std::string_view::npos) {
    const std::string_view scheme = url.substr(0, scheme_end);
    const bool looks_like_scheme = !scheme.empty() && std::all_of(scheme.begin(), scheme.end(), [](char c) {
      return std::isalpha(static_cast<unsigned char>(c));
    });
    if (looks_like_scheme) {
      if (LowerAscii(scheme) != "http") return std::nullopt;
      url.remove_prefix(scheme_end + 3);
    }
  }
  return "http://" + PercentEncode(url, [](unsigned char c) { return c > 0x20 && c < 0x7F; });
}

std::string CookieHeaderValue(std::string_view cookie) {
  const auto is_break = [](char c) { return c == '\r' || c == '\n' || c == '\0'; };
  while (!cookie.empty() && is_break(cookie.front())) cookie.remove_prefix(1);
  while (!cookie.empty() && is_break(cookie.back())) cookie.remove_suffix(1);
  std::string out;
  for (std::size_t i = 0; i < cookie.size(); ++i) {
    if (!is_break(cookie[i])) {
      out += cookie[i];
      continue;
    }
    while (i + 1 < cookie.size() && is_break(cookie[i + 1])) ++i;
    out += "; ";
  }
  return out;
}

std::string_view HeaderLine(std::string_view raw) {
  while (!raw.empty() && (raw.back() == '\n' || raw.back() == '\r')) raw.remove_suffix(1);
  return raw;
}

std::string LastLocation(const std::vector<std::string>& header_lines) {
  std::string location;
  for (const std::string& line : header_lines) {
    if (line.size() < 9 || LowerAscii(std::string_view(line).substr(0, 9)) != "location:") continue;
    std::string_view value = std::string_view(line).substr(9);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    location = value;
  }
  return location;
}

bool LooksLikePage(std::string_view content_type, char first_byte) {
  return LowerAscii(content_type).starts_with("text/html") || first_byte == '<';
}

}  // namespace melvoro
