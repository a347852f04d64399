// The swap script, byte for byte, and the file it is written to.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.h"
#include "update/update_script.h"

namespace melvoro {
namespace {

using test::ReadFile;
using test::TempDir;

// Windows-1251 path with Cyrillic letters, so line 7 and 11 show they stay in that code page.
constexpr char kNewExe[] = "/tmp/\xCD\xEE\xE2\xE0\xFF/melvoro";
constexpr char kRunningExe[] = "/opt/melvoro/melvoro";

const std::string kExpected =
    "echo off\r\n"
    "chcp 1251\r\n"
    "cls\r\n"
    "title Melvoro \xEE\xE1\xED\xEE\xE2\xEB\xE5\xED\xE8\xFF\r\n"
    // "Идет обновление Melvoro. Пожалуйста подождите" in code page 866.
    "echo \x88\xA4\xA5\xE2 \xAE\xA1\xAD\xAE\xA2\xAB\xA5\xAD\xA8\xA5 Melvoro. "
    "\x8F\xAE\xA6\xA0\xAB\xE3\xA9\xE1\xE2\xA0 \xAF\xAE\xA4\xAE\xA6\xA4\xA8\xE2\xA5\r\n"
    "PING 1.1.1.1 -n 1 -w 2000 >NUL\r\n"
    "copy \"/tmp/\xCD\xEE\xE2\xE0\xFF/melvoro\" \"/opt/melvoro/melvoro\"\r\n"
    "cls\r\n"
    "echo \x8E\xA1\xAD\xAE\xA2\xAB\xA5\xAD\xA8\xA5 \xA7\xA0\xA2\xA5\xE0\xE8\xA5\xAD\xAE\r\n"
    "echo \x9D\xE2\xAE \xAE\xAA\xAD\xAE \xAC\xAE\xA6\xAD\xAE \xA7\xA0\xAA\xE0\xEB\xE2\xEC\r\n"
    "\"/opt/melvoro/melvoro\"\r\n"
    "\r\n";

TEST(UpdateScript, BytesAsTheConsoleReadsThem) {
  EXPECT_EQ(UpdateScript(kNewExe, kRunningExe), kExpected);
  // Ё, ё, the first and last letters; a byte with no Cyrillic letter becomes "?".
  EXPECT_EQ(Cp1251ToCp866("\xA8\xB8\xC0\xDF\xE0\xEF\xF0\xFF\x96z"), "\xF0\xF1\x80\x9F\xA0\xAF\xE0\xEF?z");
}

TEST(UpdateScript, WrittenToAFreshBatFileInTheTemporaryFolder) {
  const TempDir tmp;
  const char* old = std::getenv("TMPDIR");
  const std::string saved = old ? old : "";
  setenv("TMPDIR", tmp.path().c_str(), 1);
  const std::string first = WriteUpdateScript(kNewExe, kRunningExe);
  const std::string second = WriteUpdateScript(kNewExe, kRunningExe);
  old ? setenv("TMPDIR", saved.c_str(), 1) : unsetenv("TMPDIR");

  EXPECT_NE(first, second);
  for (const std::string& path : {first, second}) {
    EXPECT_EQ(std::filesystem::path(path).parent_path(), tmp.path());
    EXPECT_TRUE(path.ends_with(".~tp.bat")) << path;
    EXPECT_EQ(ReadFile(path), kExpected);
  }
  // Nothing else is left behind: no file reserving the names.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()), {}), 2);
}

TEST(UpdateScript, PathsTheInterpreterWouldReadAreRefusedAndNothingIsWritten) {
  const TempDir tmp;
  const char* old = std::getenv("TMPDIR");
  const std::string saved = old ? old : "";
  setenv("TMPDIR", tmp.path().c_str(), 1);
  for (const std::string bad : {"/a\"b", "/a%PATH%b", "/a\r\ncalc", "/a\tb", "/a?b", "/a*b"}) {
    const std::string fault = UpdateScriptPathFault(bad);
    EXPECT_FALSE(fault.empty()) << bad;
    EXPECT_EQ(fault.find_first_of("\r\n\t"), std::string::npos) << fault;
    EXPECT_THROW(WriteUpdateScript(bad, kRunningExe), std::runtime_error) << bad;
    EXPECT_THROW(WriteUpdateScript(kNewExe, bad), std::runtime_error) << bad;
  }
  EXPECT_EQ(UpdateScriptPathFault(kNewExe), "");
  EXPECT_EQ(UpdateScriptPathFault("/opt/a b (2)/&^!;'=,melvoro"), "");
  old ? setenv("TMPDIR", saved.c_str(), 1) : unsetenv("TMPDIR");
  EXPECT_TRUE(std::filesystem::is_empty(tmp.path()));
}

}  // namespace
}  // namespace melvoro
