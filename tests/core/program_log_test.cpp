#include "core/log/program_log.h"

#include <gtest/gtest.h>

#include "core/text/cp1251.h"

namespace melvoro {
namespace {

TEST(ProgramLog, NewestFirstEvenWithinOneSecond) {
  ProgramLog log;
  const auto noon = std::chrono::system_clock::from_time_t(1'700'000'000);
  log.Now = [&] { return noon; };
  int added = 0;
  log.OnAdded.Add([&] { ++added; });
  log.AddLogEntry("first", "", kLogInfo);
  log.AddLogEntry("second", "", kLogNothingFound);
  ASSERT_EQ(log.Count(), 2u);
  EXPECT_EQ(log.At(0).Description, "second");
  EXPECT_EQ(log.At(0).Icon, kLogNothingFound);
  EXPECT_EQ(log.At(1).Description, "first");
  EXPECT_EQ(log.At(0).Time, log.At(1).Time);
  EXPECT_EQ(log.At(0).Time, LongTimeText(noon));
  EXPECT_EQ(added, 2);
}

TEST(ProgramLog, DetailsAreKeptForAMultiLineView) {
  ProgramLog log;
  log.AddLogEntry("page", "<html>\n<meta charset=utf-8>\nПривет", kLogNothingFound);
  log.AddLogEntry("plain", "a\nb", kLogError);
  log.AddLogEntry("none", "", kLogInfo);
  EXPECT_EQ(log.At(2).Details, "<html>\r\n<meta charset=utf-8>\r\n" + Utf8ToCp1251("Привет"));
  EXPECT_EQ(log.At(1).Details, "a\r\nb");
  EXPECT_EQ(log.At(0).Details, "");
}

// Whoever logs a page (friends, groups, charts, search), the run keeps its start and its size.
TEST(ProgramLog, EveryDetailIsBoundedAndNotesItsSize) {
  ProgramLog log;
  const std::string blank_page(15 << 20, '\n');
  log.AddLogEntry("page", blank_page, kLogNothingFound);
  log.AddLogEntry("fits", std::string(kLogDetailBytes, 'x'), kLogNothingFound);
  const std::string& kept = log.At(1).Details;
  EXPECT_LE(kept.size(), 2 * kLogDetailBytes + 100);
  EXPECT_TRUE(kept.ends_with(std::to_string(blank_page.size()) + ")")) << kept.substr(kept.size() - 60);
  EXPECT_EQ(log.At(0).Details, std::string(kLogDetailBytes, 'x'));
}

TEST(ProgramLog, TimeIsHoursMinutesSeconds) {
  const std::string text = LongTimeText(std::chrono::system_clock::now());
  ASSERT_EQ(text.size(), 8u);
  EXPECT_EQ(text[2], ':');
  EXPECT_EQ(text[5], ':');
}

}  // namespace
}  // namespace melvoro
