// The names downloaded songs and album folders get. Windows-1251 in, Windows-1251 out; nothing
// here touches the disk.
#pragma once

#include <string>
#include <string_view>

namespace melvoro {

// The text without / \ : * ? " < > |, removed rather than replaced. Nothing else changes.
std::string SanitizeFileName(std::string_view text);

// folder + "/" + the sanitized row name + ".mp3". A folder that already ends in "/" gives a
// doubled one, which the file system reads as one.
std::string DownloadPath(std::string_view folder, std::string_view row_name);

// download_folder + the sanitized "artist — album" + "/"; download_folder ends with "/".
std::string AlbumFolder(std::string_view download_folder, std::string_view artist, std::string_view album);

// A stored path as the file manager is handed it: every pair of "/" becomes one.
std::string FileManagerPath(std::string_view stored_path);

// "artist — album", the name of an album's folder and playlist before sanitizing.
std::string AlbumName(std::string_view artist, std::string_view album);

}  // namespace melvoro
