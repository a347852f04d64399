// Pure text functions on Windows-1251 bytes that every page and query goes through.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace melvoro {

// Percent-encodes every byte outside "-.0-9;=A-Z_a-z" as %XX (upper-case hex); a space is %20.
std::string UrlEncode(std::string_view text);

// Percent-encodes every byte for which keep() is false as %XX (upper-case hex).
std::string PercentEncode(std::string_view text, bool (*keep)(unsigned char));

// Decimal entities &#N; become the byte N (N <= 255) or vanish (N >= 256); an entity without
// digits or beyond a 32-bit integer stays as it stands. Then &quot; &amp; &lt; &gt; are
// replaced, each everywhere, in that order.
std::string HtmlDecode(std::string_view text);

// "&", "<" and ">" as entities, in that order; quotes are left alone.
std::string HtmlEscape(std::string_view text);

// The comparison key of a song name: digits, Latin letters and А..я only, lower-cased.
std::string NormalizeForMatch(std::string_view name);

// Latin A..Z and Cyrillic А..Я, Ё to lower case; every other byte unchanged.
std::string CyrLowerCase(std::string_view text);

// Text for a multi-line view: LF becomes CR LF, and a text that mentions "utf-8" is taken
// as UTF-8 and converted to Windows-1251.
std::string PageTextForLog(std::string_view text);

// A whole decimal number ("-" allowed, "+" and blanks not), or nothing when the text is empty,
// holds anything else, or does not fit 32 bits.
std::optional<std::int32_t> DecimalNumber(std::string_view text);

// Replaces every occurrence of `from` by `to`, scanning left to right without rescanning
// what was inserted.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace melvoro
