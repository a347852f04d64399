// The album page of the main window: carried but out of reach, and what its download button
// hands to the download list when a test forces it into view.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/text/cp1251.h"
#include "main_fixture.h"
#include "ui/main_window/album_page.h"
#include "ui/main_window/download_list_model.h"
#include "ui/settings/settings_window.h"

namespace melvoro::test {
namespace {

class MainAlbumTest : public MainWindowTest {
 protected:
  ui::AlbumPage* Page() const { return window_->Album(); }
  int Tab() const { return window_->Pages()->indexOf(Page()); }
  bool Reachable() const { return window_->Pages()->isTabVisible(Tab()) || Page()->isEnabled(); }
  // What no user can do.
  void ForceIntoView() {
    window_->Pages()->setTabVisible(Tab(), true);
    Page()->setEnabled(true);
    window_->Pages()->setCurrentIndex(Tab());
  }
};

TEST_F(MainAlbumTest, ThePageIsOutOfReachAndItsSearchRequestsNothing) {
  Open();
  ASSERT_GE(Tab(), 0);
  EXPECT_FALSE(Reachable());
  Page()->RequestField()->setText(QString::fromUtf8("Ария"));
  window_->Album()->OnSearchClicked();
  EXPECT_TRUE(window_->ResultsShown());
  EXPECT_FALSE(Reachable());
  EXPECT_EQ(engine_->Queue().List().Count(), 0);
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(MainAlbumTest, EnterOnThePromptTextShowsTheBox) {
  Open();
  ForceIntoView();
  QTest::keyClick(Page()->RequestField(), Qt::Key_Return);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_TRUE(boxes_.shown[0].ends_with(
      ": " + Utf8ToCp1251("Необходимо ввести название группы или имя исполнителя")));
  EXPECT_FALSE(window_->ResultsShown());
}

TEST_F(MainAlbumTest, DownloadHandsTheCheckedTracksInOrderWithArtistAndAlbum) {
  Open();
  ui::SettingsWindow settings(engine_->Settings(), dir_.path(), engine_->HostsTable(), engine_->Requests(),
                              engine_->Log());
  window_->SetSettingsWindow(&settings);
  ForceIntoView();
  for (const auto& [title, state] : {std::pair{"Intro", Qt::Checked}, std::pair{"Skip", Qt::Unchecked},
                                     std::pair{"Song: Two", Qt::Checked}}) {
    auto* item = new QListWidgetItem(QString::fromUtf8(title), Page()->SongList());
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(state);
  }
  Page()->ArtistLabel()->setText(QString::fromUtf8("Ария"));
  Page()->AlbumLabel()->setText(QString::fromUtf8("Герой асфальта"));
  QTest::mouseClick(Page()->DownloadButton(), Qt::LeftButton);

  EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown.front();
  EXPECT_FALSE(Page()->DownloadButton()->isEnabled());
  const ui::DownloadListModel& model = *window_->ListModel();
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QString::fromUtf8("Ария — Intro"));
  EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QString::fromUtf8("Ария — Song: Two"));
  EXPECT_TRUE(std::filesystem::exists(downloads_ / "Ария — Герой асфальта" / "Ария — Герой асфальта.m3u"));
}

}  // namespace
}  // namespace melvoro::test
