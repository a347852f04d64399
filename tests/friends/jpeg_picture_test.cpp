// The decoder against the pictures netsim serves: real JPEGs decode, every broken one is
// refused without ending the process or allocating what its header claims.
#include <gtest/gtest.h>

#include "friends/jpeg_picture.h"
#include "netsim/picture_files.h"

namespace melvoro {
namespace {

TEST(JpegPicture, RealJpegsDecodeToTheirSize) {
  const auto small = DecodeJpeg(netsim::FindPicture("u7.jpg")->bytes);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->Width, 100);
  EXPECT_EQ(small->Height, 75);
  EXPECT_EQ(small->Rgb.size(), 100u * 75u * 3u);
  const auto big = DecodeJpeg(netsim::FindPicture("u1234_big.jpeg")->bytes);
  ASSERT_TRUE(big);
  EXPECT_EQ(big->Width, 300);
  EXPECT_EQ(big->Height, 400);
}

TEST(JpegPicture, BrokenPicturesAreRefused) {
  for (const char* name : {"u98765.png", "g2048.gif", "not_a_picture.jpg", "cut.jpg", "huge.jpg"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(DecodeJpeg(netsim::FindPicture(name)->bytes));
  }
  EXPECT_FALSE(DecodeJpeg(""));
  EXPECT_FALSE(DecodeJpeg(std::string("\xFF\xD8\xFF", 3)));
  // Too many scans to decode in reasonable time (here after the end, where they would be harmless).
  std::string scans = netsim::FindPicture("u7.jpg")->bytes;
  for (int i = 0; i < 65; ++i) scans += "\xFF\xDA";
  EXPECT_FALSE(DecodeJpeg(scans));
  // Just over the bound on one side only.
  const std::string wide = netsim::EncodeJpeg(kMaxPictureSide + 1, 1);
  EXPECT_FALSE(DecodeJpeg(wide));
}

}  // namespace
}  // namespace melvoro
