#include "downloads/file_naming.h"

#include <gtest/gtest.h>

#include <set>

#include "core/os/file_io.h"
#include "core/os/os_path.h"
#include "core/text/cp1251.h"
#include "downloads/album_playlist.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

std::string W(std::u8string_view s) {
  return Utf8ToCp1251({reinterpret_cast<const char*>(s.data()), s.size()});
}

TEST(FileNaming, SanitizeRemovesTheNineCharactersAndNothingElse) {
  EXPECT_EQ(SanitizeFileName("a/b\\c:d*e?f\"g<h>i|j"), "abcdefghij");
  EXPECT_EQ(SanitizeFileName(W(u8"Что? Где? Когда?")), W(u8"Что Где Когда"));
  EXPECT_EQ(SanitizeFileName(std::string(" Mr. Big...\t\x01", 13)), std::string(" Mr. Big...\t\x01", 13));
  EXPECT_EQ(SanitizeFileName("/:|"), "");
}

TEST(FileNaming, DownloadAndAlbumPaths) {
  EXPECT_EQ(DownloadPath("/music/", W(u8"Кино - Звезда")), W(u8"/music/Кино - Звезда.mp3"));
  EXPECT_EQ(DownloadPath("/music", "AC/DC - T.N.T."), "/music/ACDC - T.N.T..mp3");
  const std::string folder = AlbumFolder("/music/", "AC/DC", "Back in Black");
  EXPECT_EQ(folder, "/music/ACDC \x97 Back in Black/");  // the em dash is one Windows-1251 byte
  EXPECT_EQ(AlbumPlaylistPath(folder, "AC/DC", "Back in Black"),
            "/music/ACDC \x97 Back in Black/ACDC \x97 Back in Black.m3u");
}

TEST(FileNaming, DifferentNamesNeverShareAFileTheSameNameAlwaysDoes) {
  // Names the sanitizing alone makes keep its result, even when two meet in it.
  EXPECT_EQ(DownloadPath("/m", W(u8"Что? Где?")), DownloadPath("/m", W(u8"Что Где")));
  EXPECT_EQ(DownloadPath("/m", " Mr. Big..."), "/m/ Mr. Big....mp3");

  // Names that clean to nothing, or to a hidden file: visible, and one file each.
  std::set<std::string> paths;
  for (const std::string name : {"///", "", "*?:|<>\"", "...", ". ."}) {
    const std::string path = DownloadPath("/m/", name);
    EXPECT_EQ(path.rfind("/m/" + W(u8"Без названия~"), 0), 0u) << path;
    EXPECT_EQ(path, DownloadPath("/m", name));
    paths.insert(path);
  }
  EXPECT_EQ(paths.size(), 5u);

  // Control characters go, and what they told apart stays apart.
  const std::string tab = DownloadPath("/m", "a\tb");
  const std::string bell = DownloadPath("/m", std::string("a\ab"));
  EXPECT_NE(tab, bell);
  for (const std::string& path : {tab, bell, DownloadPath("/m", std::string("a\0b\x7f", 4))}) {
    EXPECT_EQ(path.rfind("/m/ab~", 0), 0u) << path;
    EXPECT_EQ(path.find_first_of(std::string("\0\t\a\x7f", 4)), std::string::npos);
  }
  const std::string folder = AlbumFolder("/m/", "A\nB", "C");
  EXPECT_EQ(folder.find('\n'), std::string::npos);
  EXPECT_EQ(AlbumPlaylistPath(folder, "A\nB", "C"), folder + folder.substr(3, folder.size() - 4) + ".m3u");

  // Names cut to the file system's limit differ where the cut fell.
  const test::TempDir dir;
  std::string long_name;
  for (int i = 0; i < 130; ++i) long_name += W(u8"Я");
  const std::string first = FitFileName(DownloadPath(FromOsPath(dir.path()), long_name + " (Part 1)"));
  const std::string second = FitFileName(DownloadPath(FromOsPath(dir.path()), long_name + " (Part 2)"));
  EXPECT_NE(first, second);
  EXPECT_EQ(first, FitFileName(DownloadPath(FromOsPath(dir.path()), long_name + " (Part 1)")));
  EXPECT_EQ(first.substr(first.size() - 4), ".mp3");
}

TEST(AlbumPlaylist, BytesOfTwoTracksAndOfNone) {
  EXPECT_EQ(
      AlbumPlaylistText({"Intro", "Song: Two"}),
      "#EXTM3U\r\n#EXTINF:0,Intro\r\nIntro.mp3\r\n\r\n#EXTINF:0,Song: Two\r\nSong Two.mp3\r\n\r\n\r\n\r\n");
  EXPECT_EQ(AlbumPlaylistText({}), "#EXTM3U\r\n\r\n\r\n");
}

TEST(AlbumPlaylist, WriteTruncatesAndThrowsWhenItCannot) {
  const test::TempDir dir;
  const std::string path = FromOsPath(dir.path()) + W(u8"/Кино — Группа крови.m3u");
  WriteAlbumPlaylist(path, "a long first text");
  WriteAlbumPlaylist(path, "short");
  EXPECT_EQ(test::ReadFile(ToOsPath(path)), "short");
  EXPECT_THROW(WriteAlbumPlaylist(FromOsPath(dir.path()) + "/missing/x.m3u", "x"), FileError);
}

}  // namespace
}  // namespace melvoro
