#include "core/text/regex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace melvoro {
namespace {

std::vector<std::string> AllGroup(const Regex& re, std::string_view subject, int group) {
  std::vector<std::string> out;
  re.ForEachMatch(subject, [&](const RegexMatch& m) {
    out.emplace_back(m.Group(group));
    return true;
  });
  return out;
}

TEST(Regex, IteratesMatchesEachAfterThePrevious) {
  const Regex re("<b>(.*?)</b>");
  EXPECT_EQ(AllGroup(re, "<b>1</b> <b>2\n3</b><b></b>", 1), (std::vector<std::string>{"1", "2\n3", ""}));
  EXPECT_EQ(re.GroupCount(), 1);
}

TEST(Regex, EmptyMatchesAdvanceWithoutLoopingOrSkipping) {
  EXPECT_EQ(AllGroup(Regex("x*"), "axxb", 0), (std::vector<std::string>{"", "xx", "", ""}));
  EXPECT_EQ(AllGroup(Regex(""), "ab", 0).size(), 3u);
}

TEST(Regex, UnsetOptionalGroupsAreEmpty) {
  const auto m = Regex("a(b)?(c)").FirstMatch("zac");
  ASSERT_TRUE(m);
  EXPECT_EQ((*m)[1], "");
  EXPECT_EQ((*m)[2], "c");
  EXPECT_FALSE(Regex("q").FirstMatch("zac"));
}

TEST(Regex, CaseSensitiveAndDotMatchesLineBreaksByDefault) {
  EXPECT_FALSE(Regex("abc").FirstMatch("ABC"));
  EXPECT_TRUE(Regex("abc", Regex::kCaseless).FirstMatch("ABC"));
  EXPECT_TRUE(Regex("a.b").FirstMatch("a\nb"));
  EXPECT_FALSE(Regex("a.b", Regex::kNone).FirstMatch("a\nb"));
}

TEST(Regex, BadPatternReportsItsOffset) {
  try {
    Regex bad("ab(c");
    FAIL();
  } catch (const RegexError& e) {
    EXPECT_NE(std::string(e.what()).find("offset 4"), std::string::npos) << e.what();
  }
}

TEST(Regex, LongLazyRunsOnBigPagesDoNotHitTheJitStackLimit) {
  // A lazy dot run across a large page backtracks deeply; the default 32 KiB stack fails.
  std::string page(100'000, 'x');  // the default stack gives up at a few thousand
  page += "<end>";
  const Regex re("(?:a|x)*?<end>");
  EXPECT_EQ(AllGroup(re, page, 0).size(), 1u);
}

TEST(Regex, BytesAboveAsciiMatchAsThemselves) {
  const Regex re("\xCF([\xE0-\xFF]+)");
  EXPECT_EQ(AllGroup(re, "\xCF\xF0\xE8 \xCF\xE0", 1), (std::vector<std::string>{"\xF0\xE8", "\xE0"}));
}

}  // namespace
}  // namespace melvoro
