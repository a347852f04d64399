// The main window's layout as the user meets it: resizing and the mouse wheel.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "main_fixture.h"
#include "ui/main_window/download_list_view.h"
#include "ui/main_window/result_row_widgets.h"
#include "ui/main_window/results_frame.h"
#include "ui/main_window/singles_page.h"

namespace melvoro::test {
namespace {

// Where a control lies in the window.
QRect InWindow(const QWidget* widget) {
  return {widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()};
}

// What the user must be able to see and reach at any size: the search row and the top bar
// whole, inside the window and clear of each other and of the tabs; the results between the
// search row and the download list; every shown row across the frame, short of its scroll bar.
void ExpectUsable(ui::MainWindow& window) {
  ui::SinglesPage* page = window.Singles();
  const std::vector<QWidget*> controls = {page->SearchBox(), page->SearchButton(), page->ChartsButton(),
                                          window.findChild<QWidget*>("SpeedButton1"),
                                          window.findChild<QWidget*>("SpeedButton4")};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    ASSERT_NE(controls[i], nullptr);
    EXPECT_TRUE(controls[i]->isVisible()) << i;
    EXPECT_TRUE(window.rect().contains(InWindow(controls[i]))) << i;
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(InWindow(controls[i]).intersects(InWindow(controls[j]))) << i;
  }
  QTabBar* tabs = window.Pages()->tabBar();
  const QRect top_panel = InWindow(window.TopPanel());
  for (int tab = 0; tab < tabs->count(); ++tab) {
    if (!tabs->isTabVisible(tab)) continue;
    const QRect shown(tabs->mapTo(&window, tabs->tabRect(tab).topLeft()), tabs->tabRect(tab).size());
    EXPECT_FALSE(shown.intersects(top_panel)) << tab;
  }

  ui::ResultsFrame* frame = window.ResultsPane();
  if (!frame->isVisible()) return;
  const QRect results = InWindow(frame);
  EXPECT_GE(results.top(), InWindow(page->SearchBox()).bottom());
  EXPECT_LE(results.bottom(), InWindow(page).bottom());
  EXPECT_LE(results.bottom(), InWindow(window.DownloadView()).top());
  EXPECT_LE(results.right(), window.rect().right());
  const int room = frame->viewport()->width();
  for (int n = 1; n <= ResultRows::kRowCount && frame->Background(n)->isVisible(); ++n) {
    const QRect row = frame->Background(n)->geometry();
    ASSERT_LE(row.right(), room) << n;
    ASSERT_GT(row.right(), room - 40) << n;  // across the frame, not left at an old width
    ASSERT_LE(frame->NameLabel(n)->geometry().right(), row.right()) << n;
  }
}

TEST_F(MainWindowTest, ControlsStayWholeAndApartAtAnySize) {
  Open();
  ExpectUsable(*window_);
  SearchAndWait("e");
  ASSERT_TRUE(window_->ResultsPane()->Background(1)->isVisible());
  for (const QSize size : {window_->size(), window_->size() + QSize(300, 200), window_->minimumSize()}) {
    window_->resize(size);
    QTest::qWait(10);
    SCOPED_TRACE(QString("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
    ExpectUsable(*window_);
  }
}

TEST_F(MainWindowTest, TheWheelScrollsTheResultsByAFifthAndLeavesTheListItsOwn) {
  Open();
  SearchAndWait("e");
  ui::ResultsFrame* frame = window_->ResultsPane();
  QScrollBar* bar = frame->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 100) << "the search must give more rows than the frame shows";
  bar->setValue(100);

  // Over a row, over the search box: both scroll the results.
  Wheel(frame->NameLabel(5), QPoint(2, 2), -120);
  EXPECT_EQ(bar->value(), 124);
  Wheel(window_->Singles()->SearchBox(), QPoint(5, 5), 120);
  EXPECT_EQ(bar->value(), 100);
  Wheel(frame->Background(6), QPoint(5, 5), 7);  // 7 / 5 truncates to 1
  EXPECT_EQ(bar->value(), 99);
  // Over the tab row too, which would otherwise turn the pages.
  Wheel(window_->Pages()->tabBar(), QPoint(5, 5), -120);
  EXPECT_EQ(bar->value(), 123);
  EXPECT_EQ(window_->Pages()->currentIndex(), 0);

  // Over the download list: the list takes the focus, the results stay where they are.
  ui::DownloadListView* list = window_->DownloadView();
  Wheel(list->viewport(), QPoint(10, 10), -120);
  EXPECT_EQ(bar->value(), 123);
  EXPECT_TRUE(list->hasFocus());
}

TEST_F(MainWindowTest, AShorterResultShrinksTheScrollRange) {
  Open();
  SearchAndWait("e");
  ui::ResultsFrame* frame = window_->ResultsPane();
  QScrollBar* bar = frame->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 100);
  bar->setValue(bar->maximum());

  SearchAndWait("Glass Otters");  // four rows
  QTest::qWait(10);
  const int needed = 25 * 4 + 24;
  EXPECT_EQ(bar->maximum(), qMax(0, needed - frame->viewport()->height()));
  EXPECT_EQ(bar->value(), 0);
}

}  // namespace
}  // namespace melvoro::test
