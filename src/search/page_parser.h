// Cutting a page that lists audio into songs.
#pragma once

#include <string_view>
#include <vector>

#include "search/song.h"

namespace melvoro {

// Every song of a page, in page order: the search-page pattern when the page carries the
// search-results marker, else the audio-list pattern. Empty when the pattern never matches.
// A page that would take too much matching work is cut short: *cut_short tells.
std::vector<Song> ParseSongs(std::string_view page, std::string_view storage_domain,
                             bool* cut_short = nullptr);

}  // namespace melvoro
