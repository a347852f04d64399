// The search box and the result rows of the main window, against netsim.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "core/text/cp1251.h"
#include "downloads/download_list.h"
#include "main_fixture.h"
#include "qt_seams/qt_text.h"
#include "seam_wait.h"
#include "ui/main_window/download_list_model.h"
#include "ui/main_window/result_row_widgets.h"
#include "ui/main_window/results_frame.h"
#include "ui/main_window/singles_page.h"

namespace melvoro::test {
namespace {

using ui::ResultsFrame;

TEST_F(MainWindowTest, EnterSendsTheSearchAndFillsTheRows) {
  Open();
  ui::SinglesPage* page = window_->Singles();
  EXPECT_EQ(page->SearchBox()->y(), ui::SinglesPage::kIntroSearchTop);
  EXPECT_TRUE(page->CreditPanel()->isVisible());

  SearchAndWait("Glass Otters");

  // The search went out as a row of the work list and as a request for the page.
  const DownloadList& list = engine_->Queue().List();
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Row(0).Name, "Glass Otters");
  EXPECT_EQ(list.Row(0).State, DownloadState::Done);
  bool asked = false;
  for (const LoggedRequest& request : netsim_.Requests())
    asked |= request.request_line.find("/gsearch.php?q=Glass%20Otters&section=audio&offset=0") !=
             std::string::npos;
  EXPECT_TRUE(asked);

  // Four songs: four rows shown, fresh and clickable, the rest hidden.
  ResultsFrame* frame = window_->ResultsPane();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(frame->NameLabel(1)->text(), "Glass Otters - Paper Lanterns");
  for (int n = 1; n <= 4; ++n) {
    EXPECT_TRUE(frame->NameLabel(n)->isVisible()) << n;
    EXPECT_TRUE(frame->PlayImage(n)->isVisible()) << n;
    EXPECT_FALSE(frame->ProgressBar(n)->isVisible()) << n;
    EXPECT_EQ(frame->Background(n)->Fill(), QColor(239, 237, 226)) << n;
    EXPECT_EQ(frame->Background(n)->y(), 25 * n - 4) << n;
  }
  EXPECT_FALSE(frame->NameLabel(5)->isVisible());
  EXPECT_FALSE(frame->Background(5)->isVisible());

  // The intro gave way to the results layout, for good.
  EXPECT_TRUE(window_->ResultsShown());
  EXPECT_EQ(page->SearchBox()->y(), ui::SinglesPage::kResultsSearchTop);
  EXPECT_EQ(page->SearchButton()->y(), ui::SinglesPage::kResultsSearchTop);
  EXPECT_FALSE(page->CreditPanel()->isVisible());
  EXPECT_FALSE(page->MessagePanel()->isVisible());
}

TEST_F(MainWindowTest, CtrlEnterOpensTheChartsInsteadOfSearching) {
  Open();
  // No charts window yet: its button cannot promise one.
  EXPECT_FALSE(window_->Singles()->ChartsButton()->isEnabled());
  QWidget charts;
  window_->SetChartsWindow(&charts);
  EXPECT_TRUE(window_->Singles()->ChartsButton()->isEnabled());
  Search("Glass Otters", Qt::ControlModifier);
  QTest::qWait(50);
  EXPECT_TRUE(charts.isVisible());
  EXPECT_EQ(engine_->Queue().List().Count(), 0);
  EXPECT_FALSE(window_->ResultsShown());
  EXPECT_TRUE(window_->Singles()->CreditPanel()->isVisible());
}

TEST_F(MainWindowTest, AnEmptyResultSaysNothingWasFound) {
  Open();
  SearchAndWait("Glass Otters");
  SearchAndWait("zzzz qqqq");
  ui::SinglesPage* page = window_->Singles();
  EXPECT_TRUE(page->MessagePanel()->isVisible());
  EXPECT_EQ(ui::FromQString(page->MessageLabel()->text()), Utf8ToCp1251("Ничего не найдено :-("));
  EXPECT_TRUE(window_->ResultsPane()->isVisible());
  for (int n = 1; n <= ResultRows::kRowCount; ++n)
    ASSERT_FALSE(window_->ResultsPane()->NameLabel(n)->isVisible()) << n;

  // The next list hides the message again.
  SearchAndWait("Glass Otters");
  EXPECT_FALSE(page->MessagePanel()->isVisible());
}

TEST_F(MainWindowTest, AFailedSearchShowsItsBoxAndGivesTheRowsBack) {
  Open();
  SearchAndWait("Glass Otters");
  ArmFault("/gsearch.php", "500");
  Search("Lumen Drive");
  ASSERT_TRUE(WaitUntil([&] { return !boxes_.shown.empty() && !engine_->Controller().Busy(); }));
  EXPECT_EQ(Cp1251ToUtf8(boxes_.shown.at(0)), "Произошла ошибка: Неверный ответ сервера - 500");
  // The rows the search hid while it waited are back as they were.
  EXPECT_TRUE(window_->ResultsPane()->isVisible());
  EXPECT_EQ(window_->ResultsPane()->NameLabel(1)->text(), "Glass Otters - Paper Lanterns");
}

TEST_F(MainWindowTest, APlayClickHandsThePlayerAListFromThatRow) {
  Open();
  SearchAndWait("Glass Otters");
  QTest::mouseClick(window_->ResultsPane()->PlayImage(3), Qt::LeftButton, {}, QPoint(8, 8));
  ASSERT_EQ(shell_.opened.size(), 1u);
  const std::string& path = shell_.opened[0];
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 4), ".asx");
  const std::string text = ReadFile(path);
  std::filesystem::remove(path);
  // Row 3 first, then 4, then round to 1 and 2.
  const auto at = [&](const char* title) { return text.find(title); };
  EXPECT_LT(at("Tidewater"), at("Otter Song"));
  EXPECT_LT(at("Otter Song"), at("Paper Lanterns"));
  EXPECT_LT(at("Paper Lanterns"), at("Slow Orbit"));
  EXPECT_NE(at("Slow Orbit"), std::string::npos);
  EXPECT_TRUE(boxes_.shown.empty());
}

}  // namespace
}  // namespace melvoro::test
