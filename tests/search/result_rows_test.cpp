// The result rows: what a new list does to them, and what a click and a download change.
#include <gtest/gtest.h>

#include "search/result_rows.h"

namespace melvoro {
namespace {

std::vector<Song> Songs(int count, const std::string& prefix = "Song ") {
  std::vector<Song> songs(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    songs[static_cast<std::size_t>(i)].Artist = "Artist";
    songs[static_cast<std::size_t>(i)].Title = prefix + std::to_string(i + 1);
  }
  return songs;
}

TEST(ResultRows, AListFillsAtMostAHundredRowsAndHidesTheRest) {
  ResultRows rows;
  int shown = 0;
  rows.OnShown.Add([&] { ++shown; });
  rows.ShowResults(Songs(150));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(rows.InUseCount(), 100);
  EXPECT_EQ(rows.NameText(100), "Artist - Song 100");
  EXPECT_FALSE(rows.NothingFound());

  rows.ShowResults(Songs(3));
  EXPECT_EQ(rows.InUseCount(), 3);
  EXPECT_EQ(rows.NameText(4), "");
  EXPECT_FALSE(rows.Queue(4));  // a hidden row takes no click
  rows.ShowResults({});
  EXPECT_TRUE(rows.NothingFound());
  EXPECT_THROW(rows.Row(101), std::out_of_range);
}

TEST(ResultRows, ARowIsQueuedOncePerListAndADownloadLeavesItsClicksAlone) {
  ResultRows rows;
  std::vector<int> changed;
  rows.OnRowChanged.Add([&](int n) { changed.push_back(n); });
  rows.ShowResults(Songs(5));
  EXPECT_TRUE(rows.Queue(2));
  EXPECT_FALSE(rows.Queue(2));
  EXPECT_EQ(rows.Row(2).State, ResultRowState::Queued);
  EXPECT_EQ(changed, std::vector<int>{2});

  // A new list shows the same song fresh in row 2; the old download of it ends now.
  rows.ShowResults(Songs(5));
  rows.MarkDownloaded(2);
  EXPECT_EQ(rows.Row(2).State, ResultRowState::Downloaded);
  EXPECT_EQ(rows.Row(2).Progress, 100);
  EXPECT_TRUE(rows.Row(2).Clickable);
  EXPECT_TRUE(rows.Queue(2));
}

}  // namespace
}  // namespace melvoro
