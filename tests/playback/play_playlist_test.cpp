#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "core/log/program_log.h"
#include "core/os/os_path.h"
#include "core/os/temp_name.h"
#include "core/text/cp1251.h"
#include "playback/play_playlist.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

std::string W(std::u8string_view s) {
  return Utf8ToCp1251({reinterpret_cast<const char*>(s.data()), s.size()});
}

PlaylistRow Row(const std::string& name, std::int32_t duration = 60) {
  return {true, name, "http://cs1/" + name + ".mp3", duration};
}

// The entry titles in the order they appear.
std::vector<std::string> Order(const std::string& text) {
  std::vector<std::string> names;
  for (std::size_t at = text.find("<title>", 1); at != std::string::npos; at = text.find("<title>", at + 1))
    if (text.compare(at - 7, 7, "<entry>") == 0)
      names.push_back(text.substr(at + 7, text.find('<', at + 7) - at - 7));
  return names;
}

TEST(PlayPlaylist, DurationText) {
  EXPECT_EQ(DurationText(3725), "1:2:5");
  EXPECT_EQ(DurationText(398), "0:6:38");
  EXPECT_EQ(DurationText(59), "0:0:59");
  EXPECT_EQ(DurationText(-5), "0:0:0");
}

TEST(PlayPlaylist, ClickOnRowTwoOfThreeByteForByte) {
  const std::string text =
      PlayPlaylistText({Row("a", 3725), Row("b", 398), Row("c", 59)}, 2, W(u8"Поиск кино (T)"));
  EXPECT_EQ(text,
            "<asx version=\"3.0\">\r\n" + W(u8" <title>Поиск кино (T)</title>\r\n") +
                "<entry><title>b</title>\r\n<ref href=\"http://cs1/b.mp3\" /><DURATION VALUE=\"0:6:38\" />  "
                "</entry>\r\n\r\n"
                "<entry><title>c</title>\r\n<ref href=\"http://cs1/c.mp3\" /><DURATION VALUE=\"0:0:59\" />  "
                "</entry>\r\n\r\n"
                "<entry><title>a</title>\r\n<ref href=\"http://cs1/a.mp3\" /><DURATION VALUE=\"1:2:5\" />  "
                "</entry>\r\n\r\n"
                "\r\n</asx>\r\n");
}

TEST(PlayPlaylist, StartsAtTheClickedRowWrapsAndSkipsRowsNotInUse) {
  std::vector<PlaylistRow> rows = {Row("1"), Row("2"), Row("3"), Row("4"), Row("5"), {}, {}};
  EXPECT_EQ(Order(PlayPlaylistText(rows, 3, "")), (std::vector<std::string>{"3", "4", "5", "1", "2"}));
  EXPECT_EQ(Order(PlayPlaylistText(rows, 1, "")), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  rows[1].InUse = false;
  EXPECT_EQ(Order(PlayPlaylistText(rows, 5, "")), (std::vector<std::string>{"5", "1", "3", "4"}));
  EXPECT_THROW(PlayPlaylistText(rows, 0, ""), std::out_of_range);
  EXPECT_THROW(PlayPlaylistText(rows, 8, ""), std::out_of_range);
}

TEST(PlayPlaylist, EscapesTitlesAndLinksSoNoneEndsItsElement) {
  const std::string text =
      PlayPlaylistText({{true, "Tom & Jerry <live> \"q\"", "http://x/?b=1&c=<2>\"", 1}}, 1, "A&B");
  EXPECT_NE(text.find("<entry><title>Tom &amp; Jerry &lt;live&gt; \"q\"</title>"), std::string::npos);
  EXPECT_NE(text.find("href=\"http://x/?b=1&amp;c=&lt;2&gt;&quot;\" />"), std::string::npos);
  EXPECT_NE(text.find(" <title>A&amp;B</title>\r\n"), std::string::npos);
  EXPECT_EQ(PlayPlaylistText({PlaylistRow{}}, 1, ""),
            "<asx version=\"3.0\">\r\n <title></title>\r\n\r\n</asx>\r\n");
}

TEST(PlayPlaylist, OnlyHttpLinksReachThePlayerAndEachOtherIsLogged) {
  std::vector<PlaylistRow> rows = {Row("a"), Row("b"), Row("c"), Row("d")};
  rows[1].Link = "file:///etc/passwd";
  rows[2].Link = "HTTP://cs1/c.mp3";
  rows[3].Link = "http://";
  ProgramLog log;
  EXPECT_EQ(Order(PlayPlaylistText(rows, 2, "", &log)), (std::vector<std::string>{"c", "a"}));
  ASSERT_EQ(log.Count(), 2u);
  EXPECT_EQ(log.At(1).Details, "file:///etc/passwd");
  EXPECT_EQ(log.At(1).Icon, kLogError);
  EXPECT_NE(log.At(1).Description.find('b'), std::string::npos);
}

// Points $TMPDIR at a fresh folder for one test.
class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override { setenv("TMPDIR", dir_.path().c_str(), 1); }
  void TearDown() override { unsetenv("TMPDIR"); }
  std::string Folder() const { return FromOsPath(dir_.path()); }
  test::TempDir dir_;
};

TEST_F(TempFolder, TempNameIsAFreeNameWhoseStemIsReserved) {
  const std::string first = TempName();
  EXPECT_NE(first, TempName());
  ASSERT_EQ(first.rfind(Folder() + "/~", 0), 0u) << first;
  ASSERT_EQ(first.substr(first.size() - 4), ".~tp");
  EXPECT_FALSE(std::filesystem::exists(ToOsPath(first)));
  // The empty stem file stays, so no later call hands out the same name.
  EXPECT_EQ(std::filesystem::file_size(ToOsPath(first.substr(0, first.size() - 4))), 0u);

  setenv("TMPDIR", (dir_.path() / "missing").c_str(), 1);
  const std::string fallback = TempName();
  EXPECT_EQ(fallback.rfind("/tmp/~", 0), 0u) << fallback;
  std::filesystem::remove(ToOsPath(fallback.substr(0, fallback.size() - 4)));
}

TEST_F(TempFolder, PlaylistsGoIntoNewAsxFilesNeverOverAnother) {
  const std::string first = WritePlayPlaylist("one");
  const std::string second = WritePlayPlaylist("two");
  EXPECT_EQ(first.substr(first.size() - 8), ".~tp.asx");
  EXPECT_EQ(test::ReadFile(ToOsPath(first)), "one");
  EXPECT_EQ(test::ReadFile(ToOsPath(second)), "two");

  errno = 0;
  EXPECT_EQ(CreateNewFile(first), -1);
  EXPECT_EQ(errno, EEXIST);
  EXPECT_EQ(test::ReadFile(ToOsPath(first)), "one");
}

}  // namespace
}  // namespace melvoro
