// The download list's table model: rows appended, progress gathered per row, what each
// column shows.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "downloads/download_list.h"
#include "ui/main_window/download_list_model.h"

namespace melvoro::test {
namespace {

using ui::DownloadListModel;

DownloadRow Queued(int number, const std::string& name) {
  return {.Number = number,
          .ResultRow = number,
          .Name = name,
          .State = DownloadState::Ready,
          .Percent = 0,
          .SizeBefore = SizeBeforeReport::ZeroKb,
          .Link = "http://x/a.mp3"};
}

TEST(MainListModelTest, ManyChangesOfOneRowBecomeOneSignalForThatRowOnly) {
  DownloadList list;
  DownloadListModel model(list);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  // Another listener of the list, as the console has, leaves the model its own.
  std::vector<int> heard;
  const int other = list.OnRowChanged.Add([&](int index) { heard.push_back(index); });
  for (int i = 0; i < 3; ++i) list.Add(Queued(i, "song"));
  ASSERT_EQ(inserted.count(), 3);
  EXPECT_EQ(model.rowCount(), 3);

  for (int percent = 1; percent <= 50; ++percent)
    list.Change(1, [&](DownloadRow& row) { row.Percent = static_cast<std::uint8_t>(percent); });
  list.OnRowChanged.Remove(other);
  list.SetState(1, DownloadState::Transferring);
  EXPECT_EQ(heard, std::vector<int>(50, 1));
  EXPECT_EQ(changed.count(), 0);  // nothing until the screen's next turn
  ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() > 0; }, 2000));
  QTest::qWait(2 * DownloadListModel::kFlushMs);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
  EXPECT_EQ(changed[0][1].toModelIndex().row(), 1);
  EXPECT_EQ(changed[0][1].toModelIndex().column(), DownloadListModel::kColumnCount - 1);
  EXPECT_EQ(model.index(1, 2).data().toString(), "50");
}

TEST(MainListModelTest, ColumnsShowTheFieldsIconAndTheErrorOfAFailedRow) {
  DownloadList list;
  DownloadListModel model(list);
  list.Add(Queued(7, "A - B"));
  list.Add({.Number = 8, .Name = "C - D", .State = DownloadState::Ready});
  list.SetState(1, DownloadState::Failed);
  list.Change(1, [](DownloadRow& row) { row.Error = "<b>boom</b>"; });
  list.Add({.Number = 3,
            .Name = "E \x97 F",
            .State = DownloadState::LookUp,
            .Percent = 0,
            .SizeBefore = SizeBeforeReport::Zero});
  model.Flush();
  const auto text = [&](int row, int column) { return model.index(row, column).data().toString(); };

  // A song queued from the results, an album track, a chart line: what each showed when added.
  EXPECT_EQ(QStringList({text(0, 0), text(0, 1), text(0, 2), text(0, 3), text(0, 4), text(0, 5)}),
            QStringList({"7", "A - B", "0", "0 kb", "http://x/a.mp3", ""}));
  EXPECT_EQ(QStringList({text(2, 2), text(2, 3)}), QStringList({"0", "0"}));
  EXPECT_EQ(QStringList({text(1, 2), text(1, 3)}), QStringList({"", ""}));

  // Progress shows percent and whole kilobytes received; completion the kilobytes alone.
  list.Change(0, [](DownloadRow& row) {
    row.Percent = 50;
    row.Bytes = 1'572'864 + 1023;
    row.Path = "/music/A - B.mp3";
  });
  EXPECT_EQ(QStringList({text(0, 2), text(0, 3), text(0, 5), text(0, 6)}),
            QStringList({"50", QString::fromUtf8("1536 Кб"), "/music/A - B.mp3", ""}));
  list.Change(0, [](DownloadRow& row) {
    row.Percent.reset();
    row.Bytes = 1;  // no declared length
  });
  EXPECT_EQ(QStringList({text(0, 2), text(0, 3)}), QStringList({"", QString::fromUtf8("0 Кб")}));
  // A transfer that waits for data says so instead of its last percent, and for how long.
  list.Change(0, [](DownloadRow& row) {
    row.Percent = 40;
    row.WaitingForData = 12;
  });
  EXPECT_EQ(text(0, 2), QString::fromUtf8("ждёт"));
  EXPECT_EQ(model.index(0, 1).data(Qt::ToolTipRole).toString(), QString::fromUtf8("Ждёт данных: 12 с"));

  EXPECT_EQ(model.index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
            Qt::AlignRight);
  EXPECT_FALSE(model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  // Error texts and names come from outside: a tooltip shows their markup as text.
  const QString tip = model.index(1, 3).data(Qt::ToolTipRole).toString();
  EXPECT_TRUE(tip.contains("&lt;b&gt;boom&lt;/b&gt;")) << tip.toStdString();
  EXPECT_FALSE(model.index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8("название"));
}

}  // namespace
}  // namespace melvoro::test
