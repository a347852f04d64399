// The names downloaded songs and album folders get. Windows-1251 in, Windows-1251 out; nothing
// here touches the disk.
#pragma once

#include <string>
#include <string_view>

namespace melvoro {

// The text without / \ : * ? " < > |, removed rather than replaced. Nothing else changes.
std::string SanitizeFileName(std::string_view text);

// The name a song or album stands under on disk: SanitizeFileName of its full name when that
// is a name a file can fairly have. When control characters had to go too, or nothing but dots
// and blanks is left (a hidden file, or none), the rest (or a visible stand-in) carries
// NameTag of the full name, so different names never meet in one file.
std::string DiskName(std::string_view full_name);

// folder + "/" + DiskName(row name) + ".mp3", with a single "/" whether the folder ends in one
// or not.
std::string DownloadPath(std::string_view folder, std::string_view row_name);

// download_folder + "/" + DiskName("artist — album") + "/".
std::string AlbumFolder(std::string_view download_folder, std::string_view artist, std::string_view album);

// "artist — album", the name of an album's folder and playlist before sanitizing.
std::string AlbumName(std::string_view artist, std::string_view album);

}  // namespace melvoro
