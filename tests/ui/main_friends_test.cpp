// The friends page of the main window against netsim: lists, pictures, "Продолжить".
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include "core/text/cp1251.h"
#include "main_fixture.h"
#include "seam_wait.h"
#include "ui/friends/friends_frame.h"
#include "ui/main_window/results_frame.h"

namespace melvoro::test {
namespace {

class MainFriendsTest : public MainWindowTest {
 protected:
  ui::FriendsFrame* Frame() const { return window_->FriendsPane(); }
  void ListFriends(QPushButton* button) {
    window_->Pages()->setCurrentIndex(2);
    button->click();
    ASSERT_FALSE(button->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return button->isEnabled(); }));
  }
  void SelectNamed(const char* utf8_name) {
    const QList<QListWidgetItem*> items =
        Frame()->List()->findItems(QString::fromUtf8(utf8_name), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << utf8_name;
    items.front()->setSelected(true);
  }
  QSize PictureSize() const { return Frame()->PictureBox()->pixmap().size(); }
};

TEST_F(MainFriendsTest, AJpegAvatarIsShownAndABrokenOneKeepsThePlaceholder) {
  Open();
  EXPECT_FALSE(Frame()->ContinueButton()->isEnabled());
  ListFriends(Frame()->MyFriendsButton());
  EXPECT_EQ(Frame()->List()->count(), 11);

  SelectNamed("Пётр \"Гром\" Громов");
  EXPECT_EQ(PictureSize(), QSize(16, 16));
  ASSERT_TRUE(WaitUntil([&] { return PictureSize() == QSize(300, 400); }));  // unscaled
  EXPECT_EQ(Frame()->ChoiceLabel()->text(), QString::fromUtf8("Пётр \"Гром\" Громов"));
  EXPECT_TRUE(Frame()->ContinueButton()->isEnabled());

  for (const char* name : {"Номер <за> пределом", "Д'Артаньян", "Борис Огромный"}) {
    SelectNamed(name);
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(PictureSize(), QSize(16, 16)) << name;
  }
}

TEST_F(MainFriendsTest, ContinueOpensTheChosenListAsResultRows) {
  Open();
  // "Моя страница" before any list, with "Продолжить" still off.
  const int before = lists_shown_;
  window_->Pages()->setCurrentIndex(2);
  Frame()->MyPageButton()->click();
  EXPECT_EQ(window_->Pages()->currentIndex(), 0);
  EXPECT_TRUE(window_->ResultsShown());
  ASSERT_TRUE(WaitUntil([&] { return lists_shown_ > before; }));
  EXPECT_TRUE(window_->ResultsPane()->isVisible());
  EXPECT_EQ(window_->ResultsPane()->NameLabel(1)->text(),
            QString::fromUtf8("Северный Ветер - Полночный трамвай"));
  EXPECT_EQ(engine_->Controller().ListTitle,
            Utf8ToCp1251("Аудио с моей страницы (Melvoro в. " MELVORO_VERSION ")"));

  ListFriends(Frame()->MyGroupsButton());
  SelectNamed("Indie Lounge");
  const int shown = lists_shown_;
  Frame()->ContinueButton()->click();
  EXPECT_FALSE(window_->ResultsPane()->isVisible());  // until the songs arrive
  ASSERT_TRUE(WaitUntil([&] { return lists_shown_ > shown; }));
  EXPECT_TRUE(window_->ResultsPane()->isVisible());
  bool asked = false;
  for (const LoggedRequest& request : netsim_.Requests())
    asked |= request.request_line == "GET /audio.php?gid=2048 HTTP/1.0";
  EXPECT_TRUE(asked);
  EXPECT_EQ(engine_->Controller().ListTitle,
            Utf8ToCp1251("Аудио в группе Indie Lounge (Melvoro в. " MELVORO_VERSION ")"));
}

TEST_F(MainFriendsTest, SwitchingToGroupsClearsTheChosenFriend) {
  Open();
  ListFriends(Frame()->MyFriendsButton());
  SelectNamed("Пётр \"Гром\" Громов");
  ASSERT_TRUE(WaitUntil([&] { return PictureSize() == QSize(300, 400); }));
  ListFriends(Frame()->MyGroupsButton());
  EXPECT_TRUE(Frame()->ChoiceLabel()->text().isEmpty());
  EXPECT_TRUE(Frame()->PictureBox()->pixmap().isNull());
  EXPECT_FALSE(Frame()->ContinueButton()->isEnabled());
  EXPECT_EQ(engine_->Friends().ChoiceTag(), 0);  // nothing a double click could open either
}

TEST_F(MainFriendsTest, AFailedListShowsTheErrorAndEnablesTheButtonsAgain) {
  Open();
  ArmFault("/friends.php", "500");
  ListFriends(Frame()->MyFriendsButton());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].substr(0, Utf8ToCp1251("Произошла ошибка: ").size()),
            Utf8ToCp1251("Произошла ошибка: "));
  EXPECT_TRUE(Frame()->MyGroupsButton()->isEnabled());
  EXPECT_TRUE(Frame()->MyPageButton()->isEnabled());
  EXPECT_EQ(Frame()->List()->count(), 0);
}

TEST_F(MainFriendsTest, TheWheelOnTheFriendsPageLeavesTheResultsWhereTheyAre) {
  Open();
  SearchAndWait("e");
  QScrollBar* bar = window_->ResultsPane()->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 100);
  bar->setValue(100);
  ListFriends(Frame()->MyFriendsButton());
  Wheel(Frame()->ChoiceLabel(), QPoint(2, 2), -120);
  Wheel(Frame()->List()->viewport(), QPoint(5, 5), -120);
  Wheel(window_->Pages()->tabBar(), QPoint(5, 5), -120);
  EXPECT_EQ(bar->value(), 100);
}

}  // namespace
}  // namespace melvoro::test
