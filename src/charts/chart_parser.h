// Entries out of a radio site's chart page and out of last.fm's top-tracks answer. Both come
// in UTF-8; entries are Windows-1251 with accented Latin letters folded to their base letters
// (Utf8ToCp1251Folded) and entities decoded as on the search page, since the download list
// looks each entry up as it stands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace melvoro {

// "artist song" for every song of the page, in page order. A page that would take too much
// matching work is cut short, keeping the entries found: *cut_short tells.
std::vector<std::string> ParseChartPage(std::string_view page, bool* cut_short = nullptr);

// "artist title" for every track of the answer, in its order; artist is the name as the user
// typed it (Windows-1251), not the one the service spells. Cut short as a chart page is.
std::vector<std::string> ParseTopTracks(std::string_view answer, std::string_view artist,
                                        bool* cut_short = nullptr);

}  // namespace melvoro
