#include "core/text/text_helpers.h"

#include <gtest/gtest.h>

#include "core/text/cp1251.h"

namespace melvoro {
namespace {

std::string W(std::u8string_view utf8) {
  return Utf8ToCp1251(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

TEST(UrlEncode, EncodesWindows1251BytesAndKeepsTheSafeSet) {
  EXPECT_EQ(UrlEncode(W(u8"AC/DC Ты")), "AC%2FDC%20%D2%FB");
  EXPECT_EQ(UrlEncode(W(u8"Би-2 Полковнику")), "%C1%E8-2%20%CF%EE%EB%EA%EE%E2%ED%E8%EA%F3");
  EXPECT_EQ(UrlEncode("a;b=c"), "a;b=c");
  EXPECT_EQ(UrlEncode("a~b*c+d&e"), "a%7Eb%2Ac%2Bd%26e");
  EXPECT_EQ(UrlEncode(std::string("\0\xFF", 2)), "%00%FF");
  EXPECT_EQ(UrlEncode(""), "");
}

TEST(HtmlDecode, NumericEntitiesThenNamedOnesInOrder) {
  EXPECT_EQ(HtmlDecode("Rock &amp; Roll &#39;69&#8217;"), "Rock & Roll '69");
  EXPECT_EQ(HtmlDecode("&#233;&#0065;"),
            "\xE9"
            "A");
  EXPECT_EQ(HtmlDecode("&amp;quot;"), "&quot;");  // &quot; is replaced before &amp;
  EXPECT_EQ(HtmlDecode("&amp;lt;b&amp;gt;"), "<b>");
  EXPECT_EQ(HtmlDecode("&#38;lt;"), "<");  // a decoded "&" takes part in the named pass
  EXPECT_EQ(HtmlDecode("no entities"), "no entities");
}

TEST(HtmlDecode, MalformedEntitiesStayAsText) {
  EXPECT_EQ(HtmlDecode("a&#;b"), "a&#;b");
  EXPECT_EQ(HtmlDecode("x&#2147483648;y&#65;"), "x&#2147483648;yA");
  EXPECT_EQ(HtmlDecode("&#2147483647;z"), "z");  // the largest value still counts as a number
  EXPECT_EQ(HtmlDecode("&#99999999999999999999999;"), "&#99999999999999999999999;");
  EXPECT_EQ(HtmlDecode("&#12"), "&#12");
}

TEST(HtmlEscape, AmpersandFirstQuotesKept) {
  EXPECT_EQ(HtmlEscape("Tom & Jerry <live>"), "Tom &amp; Jerry &lt;live&gt;");
  EXPECT_EQ(HtmlEscape("\"q\" &lt;"), "\"q\" &amp;lt;");
}

TEST(NormalizeForMatch, SameSongSameKey) {
  EXPECT_EQ(NormalizeForMatch(W(u8"Кино - Группа крови")), W(u8"киногруппакрови"));
  EXPECT_EQ(NormalizeForMatch(W(u8"кино группа КРОВИ!")), W(u8"киногруппакрови"));
  EXPECT_EQ(NormalizeForMatch(W(u8"Ёлка")), W(u8"лка"));
  EXPECT_EQ(NormalizeForMatch(W(u8"AC/DC — T.N.T. (1975)")), "acdctnt1975");
  EXPECT_EQ(NormalizeForMatch(W(u8"«№ 5» Ђ")), "5");
}

TEST(CyrLowerCase, LatinAndCyrillicCapitalsOnly) {
  EXPECT_EQ(CyrLowerCase(W(u8"ХЪ")), W(u8"хъ"));
  EXPECT_EQ(CyrLowerCase(W(u8"АЯ Ёё Zz")), W(u8"ая ёё zz"));
  EXPECT_EQ(CyrLowerCase(W(u8"ЂЉІ 1-@")), W(u8"ЂЉІ 1-@"));  // other capitals stay
}

TEST(PageTextForLog, LineEndsAndUtf8Pages) {
  EXPECT_EQ(PageTextForLog("a\nb"), "a\r\nb");
  EXPECT_EQ(PageTextForLog("a\r\nb"), "a\r\r\nb");
  EXPECT_EQ(PageTextForLog("charset=utf-8\nПривет"), "charset=utf-8\r\n" + W(u8"Привет"));
  EXPECT_EQ(PageTextForLog("UTF-8 \xCF"), "UTF-8 \xCF");  // the marker is case-sensitive
}

TEST(ReplaceAll, DoesNotRescanInsertedText) {
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(DecimalNumber, OnlyAWholeNumberThatFitsCounts) {
  EXPECT_EQ(DecimalNumber("42"), 42);
  EXPECT_EQ(DecimalNumber("-2147483648"), -2147483647 - 1);
  for (const char* text : {"", "+5", " 5", "5 ", "5x", "2147483648", "0x10"})
    EXPECT_EQ(DecimalNumber(text), std::nullopt) << text;
}

}  // namespace
}  // namespace melvoro
