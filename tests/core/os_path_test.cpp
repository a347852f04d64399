#include "core/os/os_path.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/text/cp1251.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

std::string W(std::u8string_view s) {
  return Utf8ToCp1251({reinterpret_cast<const char*>(s.data()), s.size()});
}
std::string Name(const std::string& path) { return path.substr(path.rfind('/') + 1); }
std::size_t Utf8Size(const std::string& cp1251) { return Cp1251ToUtf8(cp1251).size(); }

TEST(FitFileName, ShortNamesStayAndNulBytesGo) {
  EXPECT_EQ(FitFileName(W(u8"/tmp//Кино - Звезда.mp3")), W(u8"/tmp//Кино - Звезда.mp3"));
  EXPECT_EQ(FitFileName("/folder/"), "/folder/");
  EXPECT_EQ(FitFileName(std::string("/tmp\0/a\0b.mp3", 14)), "/tmp/ab.mp3");
}

TEST(FitFileName, CutsTheStemByItsUtf8SizeLeavingRoomForAPartSuffix) {
  const test::TempDir dir;
  const std::size_t budget = static_cast<std::size_t>(::pathconf(dir.path().c_str(), _PC_NAME_MAX)) - 8;
  std::string stem;
  for (int i = 0; i < 200; ++i) stem += W(u8"Я");  // 400 bytes in UTF-8
  const std::string fitted = FitFileName(FromOsPath(dir.path()) + "/" + stem + ".mp3");
  const std::string name = Name(fitted);
  EXPECT_EQ(fitted, FromOsPath(dir.path()) + "/" + name);
  // The cut name carries a tag of the whole one, so another name cut alike stays apart.
  EXPECT_EQ(name.substr(name.size() - 13), NameTag(stem + ".mp3") + ".mp3");
  EXPECT_EQ(name.find_first_not_of(W(u8"Я")), name.size() - 13);
  EXPECT_LE(Utf8Size(name), budget);
  EXPECT_GT(Utf8Size(name), budget - 2);  // no further than a whole character needs
  std::ofstream(ToOsPath(fitted + ".99.part")) << "x";
  EXPECT_TRUE(std::filesystem::exists(ToOsPath(fitted + ".99.part")));
}

TEST(FitFileName, AMissingFolderCountsAs255AndAnOverlongExtensionIsCutToo) {
  std::string stem(10, 'a');
  for (int i = 0; i < 100; ++i) stem += W(u8"№");  // three bytes each in UTF-8
  const std::string name = Name(FitFileName("/no/such/folder/" + stem + ".m3u"));
  EXPECT_EQ(name.substr(name.size() - 4), ".m3u");
  EXPECT_EQ(Utf8Size(name), 10 + 74 * 3 + 9 + 4u);  // the most whole characters within 247

  const std::string long_extension = "a." + std::string(400, 'e');
  EXPECT_EQ(Name(FitFileName("/x/" + long_extension)),
            "a." + std::string(236, 'e') + NameTag(long_extension));
  EXPECT_EQ(Name(FitFileName("/x/." + std::string(400, 'h'))).size(), 247u);
}

}  // namespace
}  // namespace melvoro
