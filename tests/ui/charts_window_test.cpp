// The charts window on a netsim of its own: its controls, the loads its controls start, and
// "OK" handing checked entries to the download list.
#include <gtest/gtest.h>
#include <algorithm>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/engine.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "qt_seams/qt_ui_thread.h"
#include "seam_wait.h"
#include "support/netsim_process.h"
#include "support/recording_boxes.h"
#include "ui/charts/charts_window.h"

namespace melvoro::test {
namespace {

class ChartsWindowTest : public ::testing::Test {
 protected:
  ChartsWindowTest() : engine(Configure(netsim.HostsTable()), ui, boxes), window(engine.Charts()) {
    window.show();
  }
  ~ChartsWindowTest() override { engine.Shutdown(); }

  static Configuration Configure(const Hosts& hosts) {
    Configuration config;
    config.Hosts = hosts;
    config.Settings.Set("cookie", "remixsid=1");
    return config;
  }
  bool Settled() {
    return WaitUntil([&] { return !engine.Charts().Loading(); }, 10000);
  }
  QString ItemText(int row) const { return window.EntryList()->item(row)->text(); }

  NetsimProcess netsim;
  ui::QtUiThread ui;
  RecordingBoxes boxes;
  Engine engine;
  ui::ChartsWindow window;
};

TEST_F(ChartsWindowTest, TheWindowHasEveryControlAndItsClientSize) {
  EXPECT_EQ(window.size(), QSize(423, 622));
  EXPECT_EQ(window.windowTitle(), "DazOduvEde");
  EXPECT_EQ(window.findChild<QMenuBar*>("MainMenu1")->actions().size(), 2);
  for (const char* name : {"ListBox1", "Memo1", "Panel1", "Edit1", "Button1", "Button2", "Button3", "Button4",
                           "Button5", "Button6", "ComboBox1", "ComboBox2"})
    EXPECT_NE(window.findChild<QWidget*>(name), nullptr) << name;
  EXPECT_EQ(window.SpbStationBox()->count(), 24);
  EXPECT_EQ(window.MskStationBox()->count(), 55);
  EXPECT_EQ(window.MskStationBox()->lineEdit()->placeholderText(), "Радио топ 100 Москва");
  EXPECT_EQ(window.SpbStationBox()->currentText(), "");
  // Every control of the panel lies inside it.
  for (QWidget* control :
       window.findChild<QWidget*>("Panel1")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(QRect(QPoint(0, 0), QSize(423, 94)).contains(control->geometry()))
        << qPrintable(control->objectName());
}

TEST_F(ChartsWindowTest, TypingAStationLoadsOnlyTheLastChartAndOkHandsCheckedEntriesOnce) {
  QTest::keyClicks(window.MskStationBox()->lineEdit(), "X-FM - FM_96.4");
  ASSERT_TRUE(Settled());
  // Every keystroke sent its load; they may reach the server in any order.
  const auto requests = netsim.Requests();
  EXPECT_TRUE(std::any_of(requests.begin(), requests.end(), [](const auto& r) {
    return r.request_line == "GET /stations/FM_96.4/top100 HTTP/1.0";
  }));
  // Half-typed codes were asked for and answered 404, unheard.
  EXPECT_TRUE(boxes.shown.empty());
  ASSERT_EQ(window.EntryList()->count(), 22);
  EXPECT_EQ(ItemText(1), "Zoe Marchetti Cafe Uberall");

  window.EntryList()->item(0)->setCheckState(Qt::Checked);
  window.EntryList()->item(3)->setCheckState(Qt::Checked);
  window.OkButton()->click();
  window.OkButton()->click();
  const DownloadList& list = engine.Queue().List();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(QString::fromStdString(Cp1251ToUtf8(list.Row(1).Name)), ItemText(3));
  EXPECT_EQ(list.Row(1).State, DownloadState::LookUp);
  EXPECT_FALSE(window.EntryList()->item(0)->flags() & Qt::ItemIsEnabled);
  EXPECT_EQ(window.EntryList()->item(3)->checkState(), Qt::Unchecked);
  EXPECT_TRUE(window.EntryList()->item(1)->flags() & Qt::ItemIsEnabled);
}

TEST_F(ChartsWindowTest, EnterInTheArtistBoxAsksLastFmAndAFailureShowsOneBox) {
  QTest::keyClicks(window.ArtistBox(), "Glass Otters");
  QTest::keyClick(window.ArtistBox(), Qt::Key_Return);
  ASSERT_TRUE(Settled());
  EXPECT_EQ(
      netsim.Requests().back().request_line,
      "GET /2.0/?method=artist.gettoptracks&artist=Glass%20Otters&api_key=3f9c1a7be2d04c58a6e1b7d92c4f0e83 "
      "HTTP/1.0");
  ASSERT_GT(window.EntryList()->count(), 1);
  EXPECT_EQ(ItemText(0), "Glass Otters Paper Lanterns");

  window.ArtistBox()->setText("Nobody");
  window.ArtistTopButton()->click();
  ASSERT_TRUE(Settled());
  EXPECT_EQ(window.EntryList()->count(), 0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, texts::kRequestErrorCaption.str());
}

}  // namespace
}  // namespace melvoro::test
