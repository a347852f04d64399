// The friends and groups patterns and the picture address rules, which differ between them.
#include <gtest/gtest.h>

#include "core/text/cp1251.h"
#include "friends/friends_parser.h"
#include "friends/jpeg_picture.h"

namespace melvoro {
namespace {

const std::string kRoot = "http://net.test:81";

TEST(FriendsParser, FriendsUndoEscapesBeforeTheRootAndDecodeNames) {
  const std::string page = R"(var d = {"list":[[7,"A &quot;B&quot; &amp; C","\/pic\/a.jpg",1],)"
                           R"([4294967296,"Big","http:\/\/cdn.test\/b.jpeg"],[,"NoId","x.jp"],)"
                           R"([9,"Rel","pic.jpg"],[10,"D&#39;Art","https:\/\/cdn.test\/c.jpg"]]};)";
  const auto e = ParseFriendsPage(page, kRoot);
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(e[0].Id, "7");
  EXPECT_EQ(e[0].Name, "A \"B\" & C");
  EXPECT_EQ(e[0].Picture, kRoot + "/pic/a.jpg");
  EXPECT_EQ(e[1].Id, "4294967296");
  EXPECT_EQ(e[1].Picture, "http://cdn.test/b.jpeg");
  // An empty id is matched; four characters or fewer are kept as they are.
  EXPECT_EQ(e[2].Id, "");
  EXPECT_EQ(e[2].Picture, "x.jp");
  // Friends get the root with nothing between.
  EXPECT_EQ(e[3].Picture, kRoot + "pic.jpg");
  EXPECT_EQ(e[4].Name, "D'Art");
  EXPECT_EQ(e[4].Picture, "https://cdn.test/c.jpg");
  EXPECT_TRUE(ParseFriendsPage("<html>no list</html>", kRoot).empty());
}

TEST(FriendsParser, GroupsGetTheRootAndASlashAndEachRowItsOwnName) {
  const std::string page = Utf8ToCp1251(
      "<div class=\"grouprow\" id=\"groupCont15\">\n<a href=\"/club15\"><img src=\"pics/g.jpg\" /></a>\n"
      "<a class=\"g\" href=\"/club15\">Клуб &amp; Ко</a></div>\n"
      "<div class=\"grouprow\" id=\"groupCont2048\">\n<img src=\"http://cdn.test/g.gif\" />\n"
      "<a href=\"/club2048\">Indie</a></div>\n"
      "<div class=\"grouprow\" id=\"groupCont5\"><img src=\"abc\" /><a href=\"/club5\">Tiny</a>");
  const auto e = ParseGroupsPage(page, kRoot);
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0].Id, "15");
  EXPECT_EQ(e[0].Name, Utf8ToCp1251("Клуб & Ко"));
  EXPECT_EQ(e[0].Picture, kRoot + "/pics/g.jpg");
  EXPECT_EQ(e[1].Name, "Indie");
  EXPECT_EQ(e[1].Picture, "http://cdn.test/g.gif");
  EXPECT_EQ(e[2].Picture, "abc");
}

TEST(FriendsParser, OnlyPlainHttpJpegAddressesAreFetched) {
  EXPECT_TRUE(PictureWanted("http://a/b.jpg"));
  EXPECT_TRUE(PictureWanted("http://a/b.jpeg"));
  EXPECT_FALSE(PictureWanted("https://a/b.jpg"));
  EXPECT_FALSE(PictureWanted("http://a/b.JPG"));
  EXPECT_FALSE(PictureWanted("http://a/b.png"));
  EXPECT_FALSE(PictureWanted("HTTP://a/b.jpg"));
  EXPECT_FALSE(PictureWanted("x.jp"));
}

}  // namespace
}  // namespace melvoro
