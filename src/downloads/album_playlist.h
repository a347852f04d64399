// The .m3u playlist written into an album's folder, listing the tracks queued for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace melvoro {

// The playlist's bytes: "#EXTM3U", then per title an #EXTINF line with the title as it stands
// and the track's file name, each entry followed by an empty line; CR LF line ends.
std::string AlbumPlaylistText(const std::vector<std::string>& titles);

// album_folder + the sanitized "artist — album" + ".m3u".
std::string AlbumPlaylistPath(std::string_view album_folder, std::string_view artist, std::string_view album);

// Creates the file or empties an existing one, then writes text. The path is Windows-1251 and
// is fitted to the file system first. Throws FileError.
void WriteAlbumPlaylist(std::string_view path, std::string_view text);

}  // namespace melvoro
