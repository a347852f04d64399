#include "playback/play_playlist.h"

#include <stdexcept>

#include "core/log/program_log.h"
#include "core/os/temp_name.h"
#include "core/text/text_helpers.h"
#include "core/text/texts.h"
#include "search/result_rows.h"

namespace melvoro {

namespace {

// Only what a transfer would fetch goes to the player: no file:// or other scheme.
bool PlayableLink(std::string_view link) {
  constexpr std::string_view kHttp = "http://";
  return link.size() > kHttp.size() && CyrLowerCase(link.substr(0, kHttp.size())) == kHttp;
}

void AppendEntry(std::string& out, const PlaylistRow& row) {
  out += "<entry><title>";
  out += HtmlEscape(row.Name);
  out += "</title>\r\n<ref href=\"";
  // The player reads the entities back, so it still asks for exactly this address.
  out += ReplaceAll(HtmlEscape(row.Link), "\"", "&quot;");
  out += "\" /><DURATION VALUE=\"";
  out += DurationText(row.Duration);
  out += "\" />  </entry>\r\n\r\n";
}

}  // namespace

std::vector<PlaylistRow> PlaylistRowsOf(const ResultRows& rows) {
  std::vector<PlaylistRow> out;
  out.reserve(ResultRows::kRowCount);
  for (int n = 1; n <= ResultRows::kRowCount; ++n) {
    const ResultRow& row = rows.Row(n);
    out.push_back({row.InUse, rows.NameText(n), row.Song.Link, row.Song.Duration});
  }
  return out;
}

std::string DurationText(std::int32_t seconds) {
  const std::int32_t d = seconds < 0 ? 0 : seconds;
  return std::to_string(d / 3600) + ":" + std::to_string(d / 60 % 60) + ":" + std::to_string(d % 60);
}

std::string PlayPlaylistText(const std::vector<PlaylistRow>& rows, int clicked_row,
                             std::string_view list_title, ProgramLog* log) {
  if (clicked_row < 1 || static_cast<std::size_t>(clicked_row) > rows.size())
    throw std::out_of_range("playlist row " + std::to_string(clicked_row));
  const std::size_t first = static_cast<std::size_t>(clicked_row) - 1;
  std::string entries;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const PlaylistRow& row = rows[(first + k) % rows.size()];
    if (!row.InUse) continue;
    if (PlayableLink(row.Link)) {
      AppendEntry(entries, row);
    } else if (log != nullptr) {
      log->AddLogEntry(texts::kNotPlayableLink.str() + row.Name, row.Link, kLogError);
    }
  }
  std::string text = "<asx version=\"3.0\">\r\n <title>";
  text += HtmlEscape(list_title);
  text += "</title>\r\n";
  text += entries;
  text += "\r\n</asx>\r\n";
  return text;
}

std::string WritePlayPlaylist(const std::string& text) { return WriteNewTempFile(".asx", text); }

}  // namespace melvoro
