// The main window's layout rules: resizing and the mouse wheel.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "main_fixture.h"
#include "ui/download_list_view.h"
#include "ui/result_row_widgets.h"
#include "ui/results_frame.h"
#include "ui/singles_page.h"

namespace melvoro::test {
namespace {

TEST_F(MainWindowTest, ResizingMovesRowsOnlyOnceResultsAreShown) {
  Open();
  ui::TFrame1* frame = window_->Frame11();
  ui::SinglesPage* page = window_->TabSheet1();
  const int background_width = frame->Background(1)->width();
  window_->resize(window_->width() + 100, window_->height());
  QTest::qWait(10);
  // Before the first search the rows stay as built; the frame and the search box follow.
  EXPECT_EQ(frame->Background(1)->width(), background_width);
  EXPECT_EQ(frame->width(), window_->OuterSize().width() - 40);
  EXPECT_EQ(page->searchrequest->width(), window_->OuterSize().width() - 190);
  EXPECT_EQ(page->Button1->x(), page->searchrequest->x() + page->searchrequest->width() + 4);
  EXPECT_EQ(page->BitBtn1->x(), page->Button1->x() + page->Button1->width() + 4);
  EXPECT_EQ(window_->PanelForLoadingImage()->width(), window_->OuterSize().width() - 280);

  SearchAndWait("e");
  std::vector<int> widths, lefts;
  for (int n = 1; n <= ResultRows::kRowCount; ++n) {
    widths.push_back(frame->Background(n)->width());
    lefts.push_back(frame->ProgressBar(n)->x());
  }
  EXPECT_EQ(widths[0], frame->width() - 30);
  EXPECT_EQ(lefts[0], frame->width() - 190);
  window_->resize(window_->width() + 100, window_->height());
  QTest::qWait(10);
  for (int n = 1; n <= ResultRows::kRowCount; ++n) {
    ASSERT_EQ(frame->Background(n)->width(), widths[static_cast<std::size_t>(n - 1)] + 100) << n;
    ASSERT_EQ(frame->ProgressBar(n)->x(), lefts[static_cast<std::size_t>(n - 1)] + 100) << n;
  }
}

TEST_F(MainWindowTest, TheWheelScrollsTheResultsByAFifthAndLeavesTheListItsOwn) {
  Open();
  SearchAndWait("e");
  ui::TFrame1* frame = window_->Frame11();
  QScrollBar* bar = frame->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 100) << "the search must give more rows than the frame shows";
  bar->setValue(100);

  // Over a row, over the search box: both scroll the results.
  Wheel(frame->NameLabel(5), QPoint(2, 2), -120);
  EXPECT_EQ(bar->value(), 124);
  Wheel(window_->TabSheet1()->searchrequest, QPoint(5, 5), 120);
  EXPECT_EQ(bar->value(), 100);
  Wheel(frame->Background(6), QPoint(5, 5), 7);  // 7 / 5 truncates to 1
  EXPECT_EQ(bar->value(), 99);

  // Over the download list: the list takes the focus, the results stay where they are.
  ui::DownloadListView* list = window_->thlist();
  Wheel(list->viewport(), QPoint(10, 10), -120);
  EXPECT_EQ(bar->value(), 99);
  EXPECT_TRUE(list->hasFocus());
}

}  // namespace
}  // namespace melvoro::test
