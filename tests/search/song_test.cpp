#include "search/song.h"

#include <gtest/gtest.h>

namespace melvoro {
namespace {

TEST(AudioLink, OwnerIdIsPaddedToFiveDigitsOnly) {
  EXPECT_EQ(AudioLink("123", "42", "0a1b", "vkontakte.ru"),
            "http://cs123.vkontakte.ru/u00042/audio/0a1b.mp3");
  EXPECT_EQ(AudioLink("7", "7", "3f", "vkontakte.ru"), "http://cs7.vkontakte.ru/u00007/audio/3f.mp3");
  EXPECT_EQ(AudioLink("1", "12345", "ab", "vkontakte.ru"), "http://cs1.vkontakte.ru/u12345/audio/ab.mp3");
  EXPECT_EQ(AudioLink("1", "1234567", "ab", "vkontakte.ru"), "http://cs1.vkontakte.ru/u1234567/audio/ab.mp3");
}

TEST(AudioLink, StorageDomainMayCarryAPort) {
  EXPECT_EQ(AudioLink("5", "", "ff", "storage.localhost:8080"),
            "http://cs5.storage.localhost:8080/u00000/audio/ff.mp3");
}

TEST(Song, NameAndMatchText) {
  Song s;
  s.Artist = "A";
  s.Title = "B";
  EXPECT_EQ(s.Name(), "A - B");
  EXPECT_EQ(s.MatchText(), "AB");
}

}  // namespace
}  // namespace melvoro
