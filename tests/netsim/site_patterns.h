// The patterns the program reads the site's pages with, verbatim: netsim's pages must
// satisfy them exactly.
#pragma once

#include <string_view>

namespace melvoro::test {

inline constexpr std::string_view kSearchMarker =
    R"(<table id="searchResults" class="searchResults audioResults">)";

// Groups: 1 row id, 2 audio id, 3 server, 4 owner, 5 hash, 6 duration, 7 performer,
// 8 lyrics link, 9 its audio id, 10 its lyrics id, 11 title.
inline constexpr std::string_view kSearchRowPattern =
    R"re(<div class="audioRow" id="audio([0-9_]*)".{0,1024}operate\(([0-9]*),([0-9]*),([0-9]*),'([a-z0-9]*)',([0-9]*)\).{0,256}<b id="performer[0-9]*">([^<]*)<.{0,64} id="title[0-9]*">(<a href='javascript: showLyrics\(([0-9]*),([0-9]*)\);'>)?([^<]*)<)re";

// Groups: 1 mp3 address, 2 duration, 3 performer, 4 title.
inline constexpr std::string_view kListRowPattern =
    R"re(<div class="[^"]*" id="audio[0-9_]*".{0,2048}?operate\('[^']*','([^']*)',([0-9]*)\).{0,2255}?id="performer[0-9_]*">[^>]*>([^<]*)<.{0,1024}id="title[0-9_]*">([^<]*))re";

}  // namespace melvoro::test
