// The log window over the program's log.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>

#include "core/log/program_log.h"
#include "core/text/cp1251.h"
#include "placement_sandbox.h"
#include "ui/log/log_window.h"

namespace melvoro {
namespace {

using test::PlacementSandbox;

QString Cell(const QTreeWidget& list, int row, int column) { return list.topLevelItem(row)->text(column); }

TEST(LogWindow, ListsEntriesNewestFirstAndFollowsTheLog) {
  const PlacementSandbox sandbox;
  ProgramLog log;
  const auto second = std::chrono::system_clock::now();
  log.Now = [&] { return second; };  // everything within the same second
  log.AddLogEntry("before the window", "", kLogInfo);

  ui::LogWindow window(log);
  QTreeWidget& list = *window.EntryList();
  ASSERT_EQ(list.topLevelItemCount(), 1);
  log.AddLogEntry(std::string(W1251(u8"Ничего не найдено из контакта.")), "<html>", kLogNothingFound);
  log.AddLogEntry("http://support.localhost/isword.txt", "", kLogInfo);

  ASSERT_EQ(list.topLevelItemCount(), 3);
  EXPECT_EQ(Cell(list, 0, 1), "http://support.localhost/isword.txt");
  EXPECT_EQ(Cell(list, 1, 1), QString::fromUtf8(u8"Ничего не найдено из контакта."));
  EXPECT_EQ(Cell(list, 1, 2), "<html>");
  EXPECT_EQ(Cell(list, 2, 1), "before the window");
  EXPECT_EQ(Cell(list, 0, 0), QString::fromStdString(LongTimeText(second)));
  EXPECT_FALSE(list.topLevelItem(1)->icon(0).isNull());

  EXPECT_EQ(window.windowTitle(), QString::fromUtf8(u8"Лог программы"));
  EXPECT_EQ(list.headerItem()->text(2), QString::fromUtf8(u8"Добавочная информация"));
  EXPECT_FALSE(list.header()->sectionsClickable());
  EXPECT_FALSE(window.isVisible());
}

TEST(LogWindow, SelectingAnEntryShowsItsDetails) {
  const PlacementSandbox sandbox;
  ProgramLog log;
  ui::LogWindow window(log);
  log.AddLogEntry("lines", "first\nsecond", kLogError);
  log.AddLogEntry("page", R"(<meta charset="utf-8"><p>)" + std::string("Привет") + "</p>", kLogNothingFound);
  log.AddLogEntry("empty", "", kLogInfo);
  QTreeWidget& list = *window.EntryList();
  QPlainTextEdit& memo = *window.DetailsBox();

  list.setCurrentItem(list.topLevelItem(2));
  EXPECT_EQ(memo.toPlainText(), "first\nsecond");
  EXPECT_EQ(memo.document()->blockCount(), 2);
  // The column keeps to one line.
  EXPECT_EQ(Cell(list, 2, 2), "first second");

  list.setCurrentItem(list.topLevelItem(1));
  EXPECT_NE(memo.toPlainText().indexOf(QString::fromUtf8(u8"Привет")), -1)
      << memo.toPlainText().toStdString();

  list.setCurrentItem(list.topLevelItem(0));
  EXPECT_EQ(memo.toPlainText(), "");
}

TEST(LogWindow, OpensOnScreenWithItsHeadersWholeAndTheDetailsWrapped) {
  const PlacementSandbox sandbox;
  ProgramLog log;
  ui::LogWindow window(log);
  QTreeWidget& list = *window.EntryList();
  for (int column = 0; column < 3; ++column) {
    const QString header = list.headerItem()->text(column);
    EXPECT_GT(list.columnWidth(column), list.header()->fontMetrics().horizontalAdvance(header)) << column;
  }
  EXPECT_LE(list.columnWidth(0) + list.columnWidth(1) + list.columnWidth(2), window.width());

  log.AddLogEntry("advice", std::string(300, 'x') + " " + std::string(300, 'y'), kLogError);
  list.setCurrentItem(list.topLevelItem(0));
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  window.move(area.left() + 40, area.bottom() - 100);  // where a system might put it
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(area.contains(window.frameGeometry())) << window.frameGeometry().y();
  QPlainTextEdit& memo = *window.DetailsBox();
  EXPECT_FALSE(memo.horizontalScrollBar()->isVisible());
  EXPECT_GT(memo.document()->documentLayout()->documentSize().height(), 2);  // lines, not one
}

}  // namespace
}  // namespace melvoro
