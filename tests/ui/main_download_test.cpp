// Downloads started from the result rows: the transfer, its row in thlist, failures, retries,
// the list's menu, and the end of the program while transfers run.
#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include "core/text/cp1251.h"
#include "downloads/download_list.h"
#include "main_fixture.h"
#include "seam_wait.h"
#include "ui/main_window/download_list_model.h"
#include "ui/main_window/download_list_view.h"
#include "ui/main_window/result_row_widgets.h"
#include "ui/main_window/results_frame.h"

namespace melvoro::test {
namespace {

constexpr char kSong[] = "Neon Tundra - Intro";
constexpr char kFile[] = "Neon Tundra - Intro.mp3";

// Opens the list's menu on row index, as a right click there would.
void OpenMenu(ui::DownloadListView* view, int index) {
  view->OpenMenuAt(view->visualRect(view->model()->index(index, 1)).center());
}

TEST_F(MainWindowTest, AClickedRowIsQueuedOnceDownloadedUnderItsNameAndTurnsGreen) {
  Open();
  SearchAndWait("Neon Tundra");
  const int n = RowNamed(kSong);
  ClickRowName(n);
  ClickRowName(n);
  QTest::mousePress(window_->ResultsPane()->Background(n), Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(window_->ResultsPane()->Background(n)->Fill(), QColor(255, 255, 127));
  EXPECT_EQ(window_->ResultsPane()->NameLabel(n)->cursor().shape(), Qt::ArrowCursor);

  const DownloadList& list = engine_->Queue().List();
  ASSERT_EQ(list.Count(), 2);  // the search and the one song
  EXPECT_EQ(list.Row(1).Number, n);
  EXPECT_EQ(list.Row(1).Name, kSong);
  ASSERT_TRUE(WaitForState(1, DownloadState::Done));

  EXPECT_EQ(Downloads(), std::vector<std::string>{kFile});
  EXPECT_FALSE(ReadFile(downloads_ / kFile).empty());
  EXPECT_EQ(window_->ResultsPane()->Background(n)->Fill(), QColor(120, 205, 120));
  window_->ListModel()->Flush();
  const QModelIndex size = window_->ListModel()->index(1, 3);
  EXPECT_TRUE(size.data().toString().endsWith(QString::fromUtf8(" Кб")));
  EXPECT_TRUE(window_->ListModel()->index(1, 2).data().toString().isEmpty());
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(MainWindowTest, AFailedTransferLeavesNoFileAndCanBeRetried) {
  Open();
  ArmMp3Fault("404");
  SearchAndWait("Neon Tundra");
  const int n = RowNamed(kSong);
  ui::RowBackground* background = window_->ResultsPane()->Background(n);
  ClickRowName(n);
  ASSERT_TRUE(WaitForState(1, DownloadState::Failed));
  EXPECT_TRUE(Downloads().empty());
  // The results row says it failed, and a click there tries the same list row again.
  EXPECT_EQ(background->Fill(), QColor(252, 170, 170));
  EXPECT_EQ(window_->ResultsPane()->NameLabel(n)->cursor().shape(), Qt::PointingHandCursor);
  ClickRowName(n);
  EXPECT_EQ(background->Fill(), QColor(255, 255, 127));
  EXPECT_EQ(engine_->Queue().List().Count(), 2);
  ASSERT_TRUE(WaitForState(1, DownloadState::Failed));
  EXPECT_EQ(background->Fill(), QColor(252, 170, 170));
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].rfind(Utf8ToCp1251("Произошла ошибка"), 0), 0u);

  // The row says why, and its menu offers the retry but nothing to play.
  ui::DownloadListModel* model = window_->ListModel();
  model->Flush();
  EXPECT_FALSE(model->index(1, 0).data(Qt::ToolTipRole).toString().isEmpty());
  ui::DownloadListView* view = window_->DownloadView();
  OpenMenu(view, 1);
  ASSERT_TRUE(view->Menu()->isVisible());
  EXPECT_TRUE(view->RetryAction()->isVisible());
  EXPECT_FALSE(view->ListenAction()->isVisible());
  view->Menu()->hide();

  ArmMp3Fault("");
  view->RetryAction()->trigger();
  EXPECT_EQ(background->Fill(), QColor(255, 255, 127));
  ASSERT_TRUE(WaitForState(1, DownloadState::Done));
  EXPECT_EQ(background->Fill(), QColor(120, 205, 120));
  EXPECT_EQ(Downloads(), std::vector<std::string>{kFile});
  EXPECT_EQ(boxes_.shown.size(), 1u);
}

TEST_F(MainWindowTest, TheMenuAppearsOnlyForStartedRowsAndShowsTheFileInItsFolder) {
  Open();
  SearchAndWait("Neon Tundra");
  ui::DownloadListView* view = window_->DownloadView();
  OpenMenu(view, 0);  // the search row: no transfer, no menu
  EXPECT_FALSE(view->Menu()->isVisible());

  ClickRowName(RowNamed(kSong));
  ASSERT_TRUE(WaitForState(1, DownloadState::Done));
  OpenMenu(view, 1);
  ASSERT_TRUE(view->Menu()->isVisible());
  EXPECT_TRUE(view->ListenAction()->isVisible());
  EXPECT_TRUE(view->OpenFolderAction()->isVisible());
  EXPECT_FALSE(view->RetryAction()->isVisible());
  view->Menu()->hide();

  view->OpenFolderAction()->trigger();
  view->ListenAction()->trigger();
  // A folder ending in a separator gives no doubled one.
  const std::string stored = engine_->Queue().List().Row(1).Path;
  EXPECT_EQ(stored, (downloads_ / kFile).string());
  EXPECT_EQ(shell_.shown_in_folder, std::vector<std::string>{(downloads_ / kFile).string()});
  EXPECT_EQ(shell_.opened, std::vector<std::string>{stored});
  EXPECT_TRUE(boxes_.shown.empty());

  // With no program to open them, both say so in the window, each naming what to install.
  shell_.fails = true;
  view->ListenAction()->trigger();
  view->OpenFolderAction()->trigger();
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_NE(Cp1251ToUtf8(boxes_.shown[0]).find("медиаплеер"), std::string::npos);
  EXPECT_NE(Cp1251ToUtf8(boxes_.shown[1]).find("файловый менеджер"), std::string::npos);
  EXPECT_EQ(Cp1251ToUtf8(engine_->Log().At(0).Description),
            "Не удалось открыть папку: нет файлового менеджера");
}

TEST_F(MainWindowTest, ADesktopThatFindsNoProgramLaterIsLoggedAndShown) {
  Open();
  ASSERT_FALSE(shell_.OnOpenFailed.Empty());
  shell_.OnOpenFailed("/music/a.mp3");
  EXPECT_EQ(Cp1251ToUtf8(engine_->Log().At(0).Description),
            "Не удалось открыть песню: нет программы для её проигрывания");
  EXPECT_NE(engine_->Log().At(0).Details.find("/music/a.mp3"), std::string::npos);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(Cp1251ToUtf8(boxes_.shown[0]).find("Установите медиаплеер"), std::string::npos);
  window_.reset();
  EXPECT_TRUE(shell_.OnOpenFailed.Empty());  // the window is gone: nothing may call into it
}

TEST_F(MainWindowTest, ARunningTransferOffersItsFolderAndClosingLeavesNoPartialFile) {
  Open();
  ArmMp3Fault("stall");
  SearchAndWait("Neon Tundra");
  ClickRowName(RowNamed("Neon Tundra - Permafrost"));
  ASSERT_TRUE(WaitForState(1, DownloadState::Transferring));
  ASSERT_TRUE(WaitUntil([&] { return !Downloads().empty(); }));  // the part file is being written

  // Nothing stands under the song's name yet: its folder can be opened, the song not played.
  ui::DownloadListView* view = window_->DownloadView();
  OpenMenu(view, 1);
  ASSERT_TRUE(view->Menu()->isVisible());
  EXPECT_TRUE(view->OpenFolderAction()->isVisible());
  EXPECT_FALSE(view->ListenAction()->isVisible());
  view->Menu()->hide();

  window_.reset();
  EXPECT_TRUE(Downloads().empty());
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(MainWindowTest, NoTransferSlotsPauseTheListAndSaySoUntilThereAreSome) {
  Open();
  SearchAndWait("Neon Tundra");  // a search takes a slot too
  engine_->Settings().Set("ThreadsCount", "0");
  ClickRowName(RowNamed(kSong));
  ui::DownloadListView* view = window_->DownloadView();
  ASSERT_TRUE(WaitUntil([&] { return view->PausedHint()->isVisible(); }));
  EXPECT_TRUE(view->PausedHint()->text().contains(QString::fromUtf8("«Количество потоков скачки»")));
  EXPECT_EQ(view->toolTip(), view->PausedHint()->text());
  EXPECT_EQ(engine_->Queue().List().Row(1).State, DownloadState::Ready);

  engine_->Settings().Set("ThreadsCount", "2");
  ASSERT_TRUE(WaitForState(1, DownloadState::Done));
  EXPECT_FALSE(view->PausedHint()->isVisible());
  EXPECT_TRUE(view->toolTip().isEmpty());
}

TEST_F(MainWindowTest, TheListFollowsNewRowsOnlyFromItsBottom) {
  Open();
  ui::DownloadListView* view = window_->DownloadView();
  DownloadList& list = engine_->Queue().List();
  const auto add = [&] {
    list.Add({.Number = list.Count(), .Name = "row", .State = DownloadState::NotFound});
    QCoreApplication::processEvents();
  };
  for (int i = 0; i < 10; ++i) add();
  // The charts' hand-off adds its rows at once.
  for (int i = 0; i < 20; ++i)
    list.Add({.Number = list.Count(), .Name = "row", .State = DownloadState::NotFound});
  QCoreApplication::processEvents();
  QScrollBar* bar = view->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_TRUE(view->viewport()->rect().intersects(view->visualRect(view->model()->index(29, 1))));

  bar->setValue(0);
  add();
  EXPECT_EQ(bar->value(), 0);  // someone reading the top keeps reading it
}

}  // namespace
}  // namespace melvoro::test
