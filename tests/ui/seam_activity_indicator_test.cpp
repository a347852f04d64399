// The indicator's picture follows the engine's state: timer, interval and frame.
#include <gtest/gtest.h>

#include <set>

#include "core/log/activity_indicator.h"
#include "seam_wait.h"
#include "ui/widgets/activity_indicator_widget.h"

namespace melvoro {
namespace {

using test::WaitUntil;
using ui::ActivityIndicatorWidget;

TEST(SeamActivityIndicator, FourDistinctPicturesOfTheSameSize) {
  for (int number = 1; number <= 4; ++number) {
    const QImage picture = ActivityIndicatorWidget::Picture(number);
    EXPECT_EQ(picture.size(), QSize(43, 11));
    EXPECT_NE(picture, ActivityIndicatorWidget::Picture(number % 4 + 1)) << number;
  }
  // Anything else is the picture at rest.
  EXPECT_EQ(ActivityIndicatorWidget::Picture(0), ActivityIndicatorWidget::Picture(4));
  EXPECT_EQ(ActivityIndicatorWidget::Picture(7), ActivityIndicatorWidget::Picture(4));
}

TEST(SeamActivityIndicator, TimerSpeedsUpPerRequestAndStopsAtRest) {
  ActivityIndicator state;
  ActivityIndicatorWidget widget(state);
  EXPECT_FALSE(widget.AnimationTimer().isActive());
  EXPECT_EQ(widget.ShownPicture(), 4);

  state.ActivityBegin();
  EXPECT_TRUE(widget.AnimationTimer().isActive());
  EXPECT_EQ(widget.AnimationTimer().interval(), 200);
  state.ActivityBegin();
  state.ActivityBegin();
  EXPECT_EQ(widget.AnimationTimer().interval(), 112);

  // The real timer drives the frames: 4, 3, 2, 1 and round again.
  std::set<int> shown;
  ASSERT_TRUE(WaitUntil(
      [&] {
        shown.insert(widget.ShownPicture());
        return shown.size() == 4;
      },
      5000));

  state.ActivityEnd();
  EXPECT_EQ(widget.AnimationTimer().interval(), 149);
  state.ActivityEnd();
  state.ActivityEnd();
  EXPECT_FALSE(widget.AnimationTimer().isActive());
  EXPECT_EQ(widget.ShownPicture(), 4);
}

TEST(SeamActivityIndicator, AGoneWidgetLetsGoOfTheState) {
  ActivityIndicator state;
  { ActivityIndicatorWidget widget(state); }
  // Else the state's next change would call into the destroyed widget.
  EXPECT_TRUE(state.OnChange.Empty());
  // A widget made later follows the same state.
  ActivityIndicatorWidget later(state);
  state.ActivityBegin();
  EXPECT_TRUE(later.AnimationTimer().isActive());
}

}  // namespace
}  // namespace melvoro
