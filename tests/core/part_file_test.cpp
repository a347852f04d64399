// The temporary file of a transfer: only ever our own regular file, whatever stands under its name.
#include "core/http/part_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"

namespace melvoro {
namespace {

using test::ReadFile;

TEST(PartFile, WhatWasPlantedUnderItsNameIsLeftAloneAndNothingBlocks) {
  const test::TempDir dir, outside;
  const auto victim = outside.Write("victim", "precious");
  const std::string target = (dir / "song.mp3").string();
  // A link, a FIFO nobody reads, and a second link to a file elsewhere.
  std::filesystem::create_symlink(victim, target + ".part");
  ASSERT_EQ(mkfifo((target + ".1.part").c_str(), 0600), 0);
  std::filesystem::create_hard_link(victim, target + ".2.part");

  {
    PartFile file(target);
    EXPECT_EQ(file.TemporaryPath(), target + ".3.part");
    file.Write("new", 3);
    file.Commit();
  }
  EXPECT_EQ(ReadFile(dir / "song.mp3"), "new");
  EXPECT_EQ(ReadFile(victim), "precious");
  EXPECT_TRUE(std::filesystem::is_symlink(target + ".part"));
  EXPECT_TRUE(std::filesystem::is_fifo(target + ".1.part"));

  // Our own leftover is still reused, and emptied first.
  dir.Write("song.mp3.3.part", "stale leftover");
  PartFile again(target);
  EXPECT_EQ(again.TemporaryPath(), target + ".3.part");
  again.Write("x", 1);
  again.Commit();
  EXPECT_EQ(ReadFile(dir / "song.mp3"), "x");

  // A folder where nothing can be made fails with the reason, not "busy".
  try {
    PartFile missing((dir / "no-such-folder" / "song.mp3").string());
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace melvoro
