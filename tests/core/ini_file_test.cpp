#include "core/config/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/text/cp1251.h"
#include "support/temp_dir.h"

namespace melvoro {
namespace {

using test::ReadFile;
using test::TempDir;

std::string W(std::u8string_view utf8) {
  return Utf8ToCp1251(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

TEST(IniText, NamesMatchWithoutLetterCaseAndBlanks) {
  const IniText ini(
      W(u8"[Melvoro]\r\n  ThreadsCount = 3 \r\n[Настройки]\nПапка=раз\n[  Hosts ]\nLogin\t=\tx:1\n"));
  EXPECT_EQ(ini.Read("melvoro", "THREADSCOUNT"), "3");
  EXPECT_EQ(ini.Read(W(u8"НАСТРОЙКИ"), W(u8"пАПКА")), W(u8"раз"));
  EXPECT_EQ(ini.Read("hosts", " login "), "x:1");
  EXPECT_EQ(ini.Read("Melvoro", "Missing"), "");
  EXPECT_EQ(ini.Read("Missing", "ThreadsCount"), "");
  EXPECT_EQ(IniText().Read("Melvoro", "x"), "");
}

TEST(IniText, OnePairOfMatchingQuotesIsRemoved) {
  const IniText ini(
      "[s]\na=\"quoted value\"\nb='single'\nc=\"mixed'\nd=\"\ne=\"\"x\"\"\nf=  \" padded \"  \ng=\"\"\n");
  EXPECT_EQ(ini.Read("s", "a"), "quoted value");
  EXPECT_EQ(ini.Read("s", "b"), "single");
  EXPECT_EQ(ini.Read("s", "c"), "\"mixed'");
  EXPECT_EQ(ini.Read("s", "d"), "\"");
  EXPECT_EQ(ini.Read("s", "e"), "\"x\"");
  EXPECT_EQ(ini.Read("s", "f"), " padded ");
  EXPECT_EQ(ini.Read("s", "g"), "");
}

TEST(IniText, FirstSectionAndFirstKeyWin) {
  const IniText ini("orphan=0\n[A]\nk=1\nK=2\n; k=comment\n[B]\nk=3\n[a]\nk=4\nlate=5\n");
  EXPECT_EQ(ini.Read("A", "k"), "1");
  EXPECT_EQ(ini.Read("A", "late"), "");  // only in the second [a]
  EXPECT_EQ(ini.Read("B", "k"), "3");
  EXPECT_EQ(ini.Read("", "orphan"), "");
}

TEST(IniText, KeysAsWrittenInFileOrderWithDuplicates) {
  const IniText ini(
      "[Melvoro]\r\nthreadscount=3\r\n\r\n; note=1\r\n  ThreadsCount = 7\r\nno equals sign\r\n=nameless\r\n"
      "UploadDir=\r\n[Other]\r\nx=1\r\n[MELVORO]\r\nlater=1\r\n");
  EXPECT_EQ(ini.Keys("melvoro"), (std::vector<std::string>{"threadscount", "ThreadsCount", "UploadDir"}));
  EXPECT_TRUE(ini.Keys("Missing").empty());
}

TEST(IniText, ReplacingAValueKeepsEveryOtherByte) {
  const std::string before =
      "; settings\n[Melvoro]\r\n  ThreadsCount =  3 \r\nUploadDir=/tmp/\n\n[Unknown]\nx = "
      "y\n[melvoro]\nThreadsCount=9";
  IniText ini(before);
  ini.Write("MELVORO", "threadscount", "12");
  EXPECT_EQ(
      ini.Bytes(),
      "; settings\n[Melvoro]\r\n  ThreadsCount =  12\r\nUploadDir=/tmp/\n\n[Unknown]\nx = y\n[melvoro]\n"
      "ThreadsCount=9");
  ini.Write("Melvoro", "UploadDir", "");
  EXPECT_EQ(ini.Read("Melvoro", "UploadDir"), "");
  EXPECT_EQ(ini.Read("Melvoro", "ThreadsCount"), "12");
}

TEST(IniText, NewKeyGoesAfterTheSectionsLastKey) {
  IniText ini("[A]\r\nk=1\r\n; trailing comment\r\n\r\n[B]\nz=0");
  ini.Write("a", "new", "v");
  EXPECT_EQ(ini.Bytes(), "[A]\r\nk=1\r\nnew=v\r\n; trailing comment\r\n\r\n[B]\nz=0");
  ini.Write("B", "more", "w");  // the last line had no line end
  EXPECT_EQ(ini.Bytes(), "[A]\r\nk=1\r\nnew=v\r\n; trailing comment\r\n\r\n[B]\nz=0\r\nmore=w\r\n");
  IniText empty_section("[E]\n; nothing yet\n");
  empty_section.Write("E", "k", "v");
  EXPECT_EQ(empty_section.Bytes(), "[E]\nk=v\r\n; nothing yet\n");
}

TEST(IniText, MissingSectionIsAppendedAtTheEnd) {
  IniText ini("[A]\nk=1");
  ini.Write("Authorization", "email", "me@example.org");
  EXPECT_EQ(ini.Bytes(), "[A]\nk=1\r\n[Authorization]\r\nemail=me@example.org\r\n");
  IniText blank;
  blank.Write(W(u8"Раздел"), W(u8"ключ"), W(u8"значение"));
  EXPECT_EQ(blank.Bytes(), W(u8"[Раздел]\r\nключ=значение\r\n"));
}

TEST(IniText, LineBreaksInWrittenTextsCannotAddKeys) {
  IniText ini("[Melvoro]\r\nThreadsCount=5\r\n");
  ini.Write("Melvoro", "UploadDir", "/x\r\n[Authorization]\r\ncookie=stolen\n");
  EXPECT_EQ(ini.Read("Melvoro", "UploadDir"), "/x[Authorization]cookie=stolen");
  EXPECT_EQ(ini.Read("Authorization", "cookie"), "");
  ini.Write("Mel\nvoro", "Threads\rCount", "6");
  EXPECT_EQ(ini.Read("Melvoro", "ThreadsCount"), "6");
  EXPECT_EQ(ini.Keys("Melvoro").size(), 2u);
  EXPECT_THROW(ini.Write("Melvoro", " \r\n", "x"), std::invalid_argument);
}

TEST(IniText, ACopyKeepsItsTextWhenTheOriginalIsWritten) {
  IniText ini("[Melvoro]\r\nk1=a\r\nk2=b\r\n");
  const IniText copy = ini;
  ini.Write("Melvoro", "k1", "longer value");
  ini.Write("Melvoro", "k3", "c");
  EXPECT_EQ(ini.Read("melvoro", "K2"), "b");
  EXPECT_EQ(ini.Read("Melvoro", "k3"), "c");
  EXPECT_EQ(copy.Read("Melvoro", "k1"), "a");
  EXPECT_EQ(copy.Keys("Melvoro"), (std::vector<std::string>{"k1", "k2"}));
}

TEST(IniFile, MissingFileReadsEmptyAndIsCreatedOnWrite) {
  const TempDir dir;
  const IniFile ini(dir / "config.ini");
  EXPECT_EQ(ini.Read("Melvoro", "ThreadsCount"), "");
  EXPECT_TRUE(ini.Keys("Melvoro").empty());
  ini.Write("Melvoro", "ThreadsCount", "4");
  EXPECT_EQ(ReadFile(dir / "config.ini"), "[Melvoro]\r\nThreadsCount=4\r\n");
}

TEST(IniFile, UnreadableFileIsAnErrorNotAnEmptyFile) {
  const TempDir dir;
  std::filesystem::create_directory(dir / "config.ini");
  const IniFile ini(dir / "config.ini");
  EXPECT_THROW(ini.Read("Melvoro", "ThreadsCount"), IniError);
  EXPECT_THROW(ini.Keys("Melvoro"), IniError);
  EXPECT_THROW(ini.Write("Melvoro", "ThreadsCount", "4"), IniError);
  EXPECT_TRUE(std::filesystem::is_empty(dir / "config.ini"));
  EXPECT_THROW(IniFile(dir / "no-such-folder" / "config.ini").Write("a", "b", "c"), IniError);
  // A FIFO is refused at once: nobody will ever write to it.
  ASSERT_EQ(mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
  EXPECT_THROW(IniFile(dir / "fifo.ini").Load(), IniError);
}

TEST(IniFile, WriteReplacesTheFileWholeAndKeepsItsMode) {
  const TempDir dir;
  const auto path = dir.Write("config.ini", "[Melvoro]\nThreadsCount=3\n");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  const int old_fd = open(path.c_str(), O_RDONLY);
  ASSERT_GE(old_fd, 0);

  IniFile(path).Write("Melvoro", "ThreadsCount", "8");

  // The old file was never rewritten in place: whoever had it open still sees all of it.
  char buffer[64] = {};
  EXPECT_EQ(pread(old_fd, buffer, sizeof buffer, 0), 25);
  EXPECT_STREQ(buffer, "[Melvoro]\nThreadsCount=3\n");
  close(old_fd);
  EXPECT_EQ(ReadFile(path), "[Melvoro]\nThreadsCount=8\n");
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);  // no temporary file left behind
}

TEST(IniFile, LinkedConfigKeepsItsLink) {
  const TempDir dir;
  const auto real = dir.Write("real.ini", "[A]\nk=1\n");
  std::filesystem::create_symlink("real.ini", dir / "config.ini");
  IniFile(dir / "config.ini").Write("A", "k", "2");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "config.ini"));
  EXPECT_EQ(ReadFile(real), "[A]\nk=2\n");
}

}  // namespace
}  // namespace melvoro
