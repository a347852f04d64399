#include "core/text/cp1251.h"

#include <gtest/gtest.h>

namespace melvoro {
namespace {

TEST(Cp1251, CompileTimeLiteralsAreSingleBytes) {
  constexpr auto text = W1251(u8"Ёжик я");
  static_assert(std::string_view(text).size() == 6);
  EXPECT_EQ(std::string_view(text), "\xA8\xE6\xE8\xEA \xFF");
  static_assert(std::string_view(W1251(u8"№—«»")) == "\xB9\x97\xAB\xBB");
}

TEST(Cp1251, EveryByteSurvivesUtf8AndUtf16RoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
  EXPECT_EQ(Utf16ToCp1251(Cp1251ToUtf16(all)), all);
  EXPECT_EQ(Cp1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
}

TEST(Cp1251, MissingCharactersAndBrokenUtf8BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("日本 ok"), "?? ok");
  EXPECT_EQ(Utf8ToCp1251("a\xC3"), "a?");          // truncated sequence at the end
  EXPECT_EQ(Utf8ToCp1251("\xC3(x"), "?(x");        // bad continuation byte is not eaten
  EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");       // overlong "/" is refused
  EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???");  // encoded surrogate
  EXPECT_EQ(Utf8ToCp1251("😀"), "?");               // outside the BMP
  EXPECT_EQ(Utf16ToCp1251(u"a\xD83D\xDE00"
                          "b\xDC00"),
            "a?b?");
}

TEST(Cp1251, FoldedConversionGivesAccentedLatinLettersTheirBaseLetters) {
  EXPECT_EQ(Utf8ToCp1251Folded("Zoë Café Überall Straße Æsir Łódź Ørsted"),
            "Zoe Cafe Uberall Strasse AEsir Lodz Orsted");
  EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251Folded("Zoe\u0308 №5 — «ё» ×")),
            "Zoe №5 — «ё» ?");  // combining accent; × is no letter
  EXPECT_EQ(Utf8ToCp1251Folded("日本 a\xC3"), "?? a?");
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251Folded(Cp1251ToUtf8(all)), all);
}

}  // namespace
}  // namespace melvoro
