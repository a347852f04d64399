// The windows as the program builds them, and which window opens which.
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "main_fixture.h"
#include "ui/main_window/singles_page.h"
#include "ui/program_windows.h"

namespace melvoro::test {
namespace {

TEST_F(MainWindowTest, EachWindowOpensTheWindowsItLeadsTo) {
  BuildEngine();
  ui::ProgramWindows windows(*engine_, {.boxes = boxes_,
                                        .shell = shell_,
                                        .cookie_folder = cookies_,
                                        .program_folder = dir_.path(),
                                        .running_exe = "/nowhere/melvoro"});
  windows.Main().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.Main()));
  for (QWidget* other : std::initializer_list<QWidget*>{
           &windows.Settings(), &windows.Log(), &windows.Charts(), &windows.Feedback(), &windows.Update()})
    EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();

  windows.Main().findChild<QToolButton*>("SpeedButton1")->click();
  EXPECT_TRUE(windows.Settings().isVisible());
  windows.Settings().findChild<QToolButton*>("SpeedButton3")->click();
  EXPECT_TRUE(windows.Log().isVisible());
  // The report's openers are hidden in the settings window, but still lead to the form.
  windows.Settings().findChild<QPushButton*>("SpeedButton2")->click();
  EXPECT_TRUE(windows.Feedback().isVisible());
  windows.Main().Singles()->ChartsButton()->click();
  EXPECT_TRUE(windows.Charts().isVisible());
  EXPECT_FALSE(windows.Update().isVisible());
  EXPECT_TRUE(boxes_.shown.empty());
}

}  // namespace
}  // namespace melvoro::test
