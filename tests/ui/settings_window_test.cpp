// The settings window: fields, the folder check, the number field, "ОК" and placement.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "core/config/ini_file.h"
#include "core/text/cp1251.h"
#include "qt_seams/qt_text.h"
#include "seam_wait.h"
#include "settings_window_fixture.h"
#include "ui/widgets/help_hint.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/window_placement.h"

namespace melvoro {
namespace {

using test::ReadFile;
using test::SettingsWindowFixture;
using test::WaitUntil;

QString Text(std::string_view cp1251) { return ui::ToQString(cp1251); }

void Enter(QWidget& widget) {
  const QPointF inside(2, 2);
  QEnterEvent event(inside, widget.mapTo(widget.window(), inside), widget.mapToGlobal(inside));
  QApplication::sendEvent(&widget, &event);
}

void Leave(QWidget& widget) {
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(&widget, &event);
}

// Answers the question box that the next step opens.
void AnswerQuestion(QMessageBox::StandardButton answer, QString* question = nullptr) {
  QTimer::singleShot(0, [answer, question] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (question) *question = box->text();
    box->button(answer)->click();
  });
}

bool IsRed(const QLineEdit& field) {
  return field.palette().color(QPalette::Base) == QColor(0xFC, 0xA2, 0xA2);
}

TEST(SettingsWindow, FolderFieldFollowsTheFileSystem) {
  SettingsWindowFixture f;
  const std::string music = (f.app / "music").string();
  std::filesystem::create_directory(music);
  f.settings.Set("UploadDir", music);
  f.settings.Set("email", "me@example.test");
  f.settings.Set("ThreadsCount", "7");
  auto& window = f.Create();
  auto& folder = f.Find<QLineEdit>("Edit6");
  auto& mark = f.Find<QLabel>("Label6");

  EXPECT_EQ(folder.text(), QString::fromStdString(music));
  EXPECT_EQ(f.Find<QLineEdit>("Edit7").text(), "me@example.test");
  EXPECT_EQ(f.Find<QLineEdit>("Edit5").text(), "7");
  EXPECT_EQ(window.DownloadFolder(), music + "/");
  EXPECT_FALSE(IsRed(folder));
  EXPECT_TRUE(mark.isHidden());
  EXPECT_EQ(folder.toolTip(), Text(W1251(u8"Папка для загрузки файлов.")));

  window.show();
  folder.setText(QString::fromStdString(music + "/missing"));
  EXPECT_TRUE(IsRed(folder));
  EXPECT_FALSE(mark.isHidden());
  EXPECT_EQ(folder.toolTip(), Text(W1251(u8"Папка не существует.")));
  EXPECT_EQ(window.DownloadFolder(), music + "/");  // the last folder that existed

  // The mark offers to create it; "No" leaves everything as it is.
  QString question;
  AnswerQuestion(QMessageBox::No, &question);
  Enter(mark);
  EXPECT_EQ(question, Text(std::string(W1251(u8"Папки «")) + music + "/missing" +
                           std::string(W1251(u8"» не существует. \nСоздать её?"))));
  EXPECT_FALSE(std::filesystem::exists(music + "/missing"));
  EXPECT_TRUE(IsRed(folder));
  // Still on the mark after the box closed (it takes the pointer's enter again): no new question.
  AnswerQuestion(QMessageBox::Yes);
  Enter(mark);
  EXPECT_FALSE(std::filesystem::exists(music + "/missing"));

  Leave(mark);
  Enter(mark);
  EXPECT_TRUE(std::filesystem::is_directory(music + "/missing"));
  EXPECT_FALSE(IsRed(folder));
  EXPECT_TRUE(mark.isHidden());
  EXPECT_EQ(window.DownloadFolder(), music + "/missing/");

  // A folder that cannot be made is reported, and the field stays red.
  folder.setText(QString::fromStdString(music + "/a/b"));
  AnswerQuestion(QMessageBox::Yes);
  Leave(mark);
  Enter(mark);
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_NE(f.boxes.shown[0].text.find(music + "/a/b"), std::string::npos);
  EXPECT_EQ(f.boxes.shown[0].icon, MessageIcon::Error);
  EXPECT_TRUE(IsRed(folder));
}

TEST(SettingsWindow, NumberFieldTakesDigitsOnly) {
  SettingsWindowFixture f;
  f.settings.Set("ThreadsCount", "");
  f.Create().show();
  auto& field = f.Find<QLineEdit>("Edit5");
  field.setFocus();

  QTest::keyClicks(&field, "a1-b 2c3");
  EXPECT_EQ(field.text(), "12");  // letters refused, and the third digit too
  QTest::keyClick(&field, Qt::Key_Backspace);
  EXPECT_EQ(field.text(), "1");
  QTest::keyClick(&field, Qt::Key_Up);
  EXPECT_EQ(field.text(), "2");

  field.setText("99");
  QTest::mouseClick(&f.Find<QToolButton>("UpDown1Up"), Qt::LeftButton);
  EXPECT_EQ(field.text(), "100");
  QTest::mouseClick(&f.Find<QToolButton>("UpDown1Up"), Qt::LeftButton);
  EXPECT_EQ(field.text(), "100");
  field.setText("0");
  QTest::mouseClick(&f.Find<QToolButton>("UpDown1Down"), Qt::LeftButton);
  EXPECT_EQ(field.text(), "0");
}

TEST(SettingsWindow, OkStoresSavesWithoutTheCookieAndHides) {
  SettingsWindowFixture f;
  f.app.Write("config.ini", "[Authorization]\r\ncookie=remixsid=from-file\r\n[Melvoro]\r\nOther=x\r\n");
  f.settings.Set("email", "");
  f.settings.Set("Other", "x");
  f.settings.Set("cookie", "remixsid=session");
  f.settings.Set("ThreadsCount", "5");
  f.settings.Set("UploadDir", f.app.path().string() + "/");
  auto& window = f.Create();
  window.show();

  const std::string missing = (f.app / std::string(W1251(u8"новая"))).string();
  f.Find<QLineEdit>("Edit6").setText(Text(missing));
  f.Find<QLineEdit>("Edit7").setText(QString::fromUtf8(u8"я@example.test"));
  f.Find<QLineEdit>("Edit5").setText("");
  QTest::mouseClick(&f.Find<QPushButton>("Button4"), Qt::LeftButton);

  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(f.settings.Get("UploadDir"), missing);  // a missing folder is kept as typed
  EXPECT_EQ(f.settings.Get("email"), std::string(W1251(u8"я@example.test")));
  EXPECT_EQ(f.settings.Get("ThreadsCount"), "");
  EXPECT_EQ(f.settings.Get("cookie"), "remixsid=session");

  const IniText saved(ReadFile(f.app / "config.ini"));
  EXPECT_EQ(saved.Read("Melvoro", "UploadDir"), missing);
  EXPECT_EQ(saved.Read("Melvoro", "email"), std::string(W1251(u8"я@example.test")));
  EXPECT_EQ(saved.Read("Melvoro", "Other"), "x");
  EXPECT_EQ(saved.Read("Melvoro", "cookie"), "");
  EXPECT_EQ(saved.Bytes().find("remixsid=session"), std::string::npos);
  EXPECT_EQ(saved.Read("Authorization", "cookie"), "remixsid=from-file");
  EXPECT_TRUE(f.boxes.shown.empty());

  // Edits without "ОК" are gone the next time the window shows.
  f.Find<QLineEdit>("Edit7").setText("unsaved");
  window.show();
  EXPECT_EQ(f.Find<QLineEdit>("Edit7").text(), QString::fromUtf8(u8"я@example.test"));
}

TEST(SettingsWindow, ASaveThatFailsIsReportedAndTheWindowStillCloses) {
  SettingsWindowFixture f;
  std::filesystem::create_directory(f.app / "config.ini");
  auto& window = f.Create();
  window.show();
  QTest::mouseClick(&f.Find<QPushButton>("Button4"), Qt::LeftButton);
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].caption, std::string(W1251(u8"Ошибка")));
  EXPECT_EQ(f.boxes.shown[0].text,
            std::string(W1251(u8"Невозможно получить доступ к файлу config.ini. Переустановить программу")));
  EXPECT_FALSE(window.isVisible());
}

TEST(SettingsWindow, ShowingAppliesAndHidingSavesTheMainWindowsPlacement) {
  SettingsWindowFixture f;
  QWidget earlier;
  earlier.move(70, 60);
  earlier.resize(640, 480);
  ui::SavePlacement(earlier, "main");
  auto& window = f.Create();

  window.show();
  EXPECT_EQ(f.main_window.pos(), QPoint(70, 60));
  EXPECT_EQ(f.main_window.size(), QSize(640, 480));

  f.main_window.move(90, 100);
  f.main_window.setEnabled(false);
  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(f.main_window.isEnabled());
  QWidget later;
  ui::LoadPlacement(later, "main");
  EXPECT_EQ(later.pos(), QPoint(90, 100));
}

TEST(SettingsWindow, OnAScreenLowerThanTheWindowItScrollsAndOkStaysReachable) {
  SettingsWindowFixture f;
  auto& window = f.Create();
  window.show();
  const QSize designed(298, 631);
  auto* scroll = window.findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  ui::KeepWithin(window, QRect(0, 0, 1280, 800), designed);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.size(), designed);
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());

  // An 800 x 600 screen, and a place that would put most of the window off it.
  const QRect area(0, 0, 800, 600);
  window.move(700, 400);
  ui::KeepWithin(window, area, designed);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.frameGeometry().height(), 600);
  EXPECT_TRUE(area.contains(window.frameGeometry()));
  ASSERT_TRUE(scroll->verticalScrollBar()->isVisible());
  auto& ok = f.Find<QPushButton>("Button4");
  scroll->ensureWidgetVisible(&ok);
  EXPECT_TRUE(
      scroll->viewport()->rect().contains(QRect(ok.mapTo(scroll->viewport(), QPoint(0, 0)), ok.size())));

  // Back on a screen where it fits, it is whole again and nothing scrolls.
  ui::KeepWithin(window, QRect(0, 0, 1280, 800), designed);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.size(), designed);
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
}

TEST(SettingsWindow, LogButtonHelpMarksAndHiddenFeedbackOpeners) {
  SettingsWindowFixture f;
  auto& window = f.Create();
  window.show();
  QTest::mouseClick(&f.Find<QToolButton>("SpeedButton3"), Qt::LeftButton);
  EXPECT_TRUE(f.log_window.isVisible());

  auto& mark = f.Find<QLabel>("Label13");
  Enter(mark);
  auto* popup = qobject_cast<QLabel*>(ui::CurrentHelpHint());
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->text(), Text(W1251(u8"Устанавливает количество одновременных скачиваний файлов. \nНе "
                                      u8"рекомендуется ставить значения больше 10.")));
  EXPECT_EQ(popup->geometry().topLeft(), QCursor::pos() + QPoint(10, 10));
  EXPECT_EQ(popup->geometry().width(), 200);
  Enter(f.Find<QLabel>("Label11"));
  EXPECT_NE(ui::CurrentHelpHint(), popup);  // replaced, never two
  Leave(f.Find<QLabel>("Label11"));
  EXPECT_EQ(ui::CurrentHelpHint(), nullptr);

  QTest::mouseClick(&f.Find<QLabel>("Label14"), Qt::LeftButton, {}, QPoint(2, 2));
  ASSERT_NE(ui::CurrentHelpHint(), nullptr);
  window.hide();
  EXPECT_EQ(ui::CurrentHelpHint(), nullptr);

  EXPECT_TRUE(f.Find<QPushButton>("SpeedButton2").isHidden());
  QString caption;
  QObject::connect(&window, &ui::SettingsWindow::feedbackRequested, [&](const QString& c) { caption = c; });
  f.Find<QPushButton>("BitBtn1").click();
  EXPECT_EQ(caption, QString::fromUtf8(u8"Получить техническую поддержку"));
}

}  // namespace
}  // namespace melvoro
