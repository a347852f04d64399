// The parts of a request and its answer that need no socket: the address and cookie as sent,
// and what is read from the answer's headers and first byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace melvoro {

// "http://" + host + object, with bytes libcurl would refuse in a URL percent-encoded. The
// scheme may be left out; any other scheme is refused, there is only plain HTTP.
std::optional<std::string> RequestUrl(std::string_view url);

// A header value never carries a raw line break: the ends are trimmed and a break inside
// separates cookies the way the header itself does.
std::string CookieHeaderValue(std::string_view cookie);

// A received header line without its line end.
std::string_view HeaderLine(std::string_view raw);

// The target of the last redirect among the header lines; empty when there was none.
std::string LastLocation(const std::vector<std::string>& header_lines);

// A login or error page served with 200 in place of a song.
bool LooksLikePage(std::string_view content_type, char first_byte);

}  // namespace melvoro
