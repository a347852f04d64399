#include "core/log/activity_indicator.h"

#include <gtest/gtest.h>

#include <vector>

namespace melvoro {
namespace {

TEST(ActivityIndicator, ConcurrentRequestsSpeedUpAndSlowDownTheAnimation) {
  ActivityIndicator a;
  std::vector<int> intervals;
  for (int i = 0; i < 4; ++i) {
    a.ActivityBegin();
    intervals.push_back(a.IntervalMs());
  }
  EXPECT_EQ(intervals, (std::vector<int>{200, 150, 112, 84}));  // 112.5 rounds to even
  intervals.clear();
  for (int i = 0; i < 3; ++i) {
    a.ActivityEnd();
    intervals.push_back(a.IntervalMs());
  }
  EXPECT_EQ(intervals, (std::vector<int>{112, 149, 199}));  // not quite back to 200
  EXPECT_EQ(a.Count(), 1);
  a.ActivityEnd();
  EXPECT_FALSE(a.TimerExists());
  EXPECT_FALSE(a.Active());
  EXPECT_EQ(a.Frame(), ActivityIndicator::kIdleFrame);
  a.ActivityBegin();
  EXPECT_EQ(a.IntervalMs(), 200);  // a new first request starts from scratch
}

TEST(ActivityIndicator, ExtraEndsAreIgnored) {
  ActivityIndicator a;
  a.ActivityEnd();
  EXPECT_EQ(a.Count(), 0);
  a.ActivityBegin();
  a.ActivityEnd();
  a.ActivityEnd();
  EXPECT_EQ(a.Count(), 0);
  a.ActivityBegin();
  EXPECT_EQ(a.Count(), 1);
  EXPECT_TRUE(a.TimerExists());
}

TEST(ActivityIndicator, FramesRunBackwardsAndWrapToIdle) {
  ActivityIndicator a;
  a.ActivityBegin();
  EXPECT_EQ(a.Frame(), 0);  // the picture's first creation
  a.TimerTick();
  EXPECT_EQ(a.Frame(), 4);
  std::vector<int> frames;
  for (int i = 0; i < 5; ++i) {
    a.TimerTick();
    frames.push_back(a.Frame());
  }
  EXPECT_EQ(frames, (std::vector<int>{3, 2, 1, 4, 3}));
  a.ActivityEnd();
  a.ActivityBegin();
  EXPECT_EQ(a.Frame(), 1);  // the picture exists now
  a.TimerTick();
  EXPECT_EQ(a.Frame(), 4);
}

TEST(ActivityIndicator, ActivationShowsTheIdlePicture) {
  ActivityIndicator a;
  int changes = 0;
  a.OnChange.Add([&] { ++changes; });
  a.ActivityBegin();
  a.ActivityEnd();
  EXPECT_TRUE(a.PictureCreated());
  EXPECT_EQ(a.Frame(), ActivityIndicator::kIdleFrame);
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace melvoro
