// Message boxes of the GUI: what they show, and no second box for a cause already on screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <vector>

#include "core/text/cp1251.h"
#include "qt_seams/qt_message_boxes.h"
#include "qt_seams/qt_translation.h"

namespace melvoro {
namespace {

std::vector<QMessageBox*> OpenBoxes() {
  std::vector<QMessageBox*> boxes;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) boxes.push_back(box);
  return boxes;
}

// Runs step once the event loop of the open box turns.
void Later(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

TEST(SeamMessageBoxes, ShowsCaptionTextAndIconModally) {
  ui::QtMessageBoxes boxes;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool modal = false;
  Later([&] {
    const auto open = OpenBoxes();
    ASSERT_EQ(open.size(), 1u);
    title = open[0]->windowTitle();
    text = open[0]->text();
    icon = open[0]->icon();
    modal = open[0]->isModal() && open[0]->parentWidget() == nullptr;
    open[0]->accept();
  });
  boxes.Show(std::string(W1251(u8"Произошла ошибка")), std::string(W1251(u8"Нет связи")), MessageIcon::Error);
  EXPECT_EQ(title, QString::fromUtf8(u8"Произошла ошибка"));
  EXPECT_EQ(text, QString::fromUtf8(u8"Нет связи"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_TRUE(modal);
  EXPECT_EQ(boxes.OpenBoxes(), 0);
}

TEST(SeamMessageBoxes, SameCauseWhileOpenAddsNoBoxButAnotherCauseDoes) {
  ui::QtMessageBoxes boxes;
  bool duplicate_returned = false;
  std::size_t boxes_after_duplicate = 0;
  std::size_t boxes_after_other = 0;
  Later([&] {
    // As a second worker's failure would arrive while the first box is open.
    boxes.Show("caption", "cause", MessageIcon::Error);
    duplicate_returned = true;
    boxes_after_duplicate = OpenBoxes().size();
    Later([&] {
      boxes_after_other = OpenBoxes().size();
      for (QMessageBox* box : OpenBoxes()) box->accept();
    });
    boxes.Show("caption", "another cause", MessageIcon::Error);
  });
  boxes.Show("caption", "cause", MessageIcon::Error);

  EXPECT_TRUE(duplicate_returned);
  EXPECT_EQ(boxes_after_duplicate, 1u);
  EXPECT_EQ(boxes_after_other, 2u);
  EXPECT_EQ(boxes.OpenBoxes(), 0);

  // Once closed, the same cause shows again.
  bool shown_again = false;
  Later([&] {
    shown_again = OpenBoxes().size() == 1;
    for (QMessageBox* box : OpenBoxes()) box->accept();
  });
  boxes.Show("caption", "cause", MessageIcon::Error);
  EXPECT_TRUE(shown_again);
}

TEST(SeamMessageBoxes, QtsOwnButtonsSpeakRussianWhenItsTranslationIsThere) {
  EXPECT_FALSE(ui::LoadQtTranslation(*qApp, QStringLiteral("/no/such/folder")));
  QMessageBox english(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(english.button(QMessageBox::Yes)->text(), "&Yes");

  // scripts/install-deps installs the translations.
  ASSERT_TRUE(ui::LoadQtTranslation(*qApp));
  QMessageBox russian(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(russian.button(QMessageBox::Yes)->text().remove('&'), QString::fromUtf8(u8"Да"));
  EXPECT_EQ(russian.button(QMessageBox::No)->text().remove('&'), QString::fromUtf8(u8"Нет"));
}

}  // namespace
}  // namespace melvoro
