// The .asx playlist a click on a result's play picture hands to the player: the clicked song
// first, then the rest of the list in order, wrapping round to the top.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace melvoro {

class ProgramLog;
class ResultRows;

struct PlaylistRow {
  bool InUse = false;
  std::string Name;  // the row's name label, "artist - title"
  std::string Link;
  std::int32_t Duration = 0;  // seconds
};

// Rows 1..100 of the results page, index 0 holding row 1.
std::vector<PlaylistRow> PlaylistRowsOf(const ResultRows& rows);

// "h:m:s" without leading zeros: 3725 -> "1:2:5". A negative duration counts as 0.
std::string DurationText(std::int32_t seconds);

// The playlist's bytes for a click on clicked_row (1-based; index 0 of rows is row 1). Rows
// not in use are left out, and so are rows whose link is not http, each logged to log when given.
// Throws std::out_of_range for a row number outside rows.
std::string PlayPlaylistText(const std::vector<PlaylistRow>& rows, int clicked_row,
                             std::string_view list_title, ProgramLog* log = nullptr);

// Writes text into a new file TempName() + ".asx" and returns its path (Windows-1251).
// Throws FileError.
std::string WritePlayPlaylist(const std::string& text);

}  // namespace melvoro
