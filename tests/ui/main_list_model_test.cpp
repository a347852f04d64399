// The download list's table model: rows appended, progress gathered per row, what each
// column shows.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "downloads/download_list.h"
#include "ui/download_list_model.h"

namespace melvoro::test {
namespace {

using ui::DownloadListModel;

TEST(MainListModelTest, ManyChangesOfOneRowBecomeOneSignalForThatRowOnly) {
  DownloadList list;
  DownloadListModel model(list);
  QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  for (int i = 0; i < 3; ++i) list.Add(std::to_string(i), {"song", "0", "0 kb", "http://x/"}, kStateReady);
  ASSERT_EQ(inserted.count(), 3);
  EXPECT_EQ(model.rowCount(), 3);

  for (int percent = 1; percent <= 50; ++percent) list.SetSubItem(1, kColumnPercent, std::to_string(percent));
  list.SetState(1, kStateTransferring);
  EXPECT_EQ(changed.count(), 0);  // nothing until the screen's next turn
  ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() > 0; }, 2000));
  QTest::qWait(2 * DownloadListModel::kFlushMs);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
  EXPECT_EQ(changed[0][1].toModelIndex().row(), 1);
  EXPECT_EQ(changed[0][1].toModelIndex().column(), DownloadListModel::kColumnCount - 1);
  EXPECT_EQ(model.index(1, 2).data().toString(), "50");
}

TEST(MainListModelTest, ColumnsShowCaptionSubItemsIconAndTheErrorOfAFailedRow) {
  DownloadList list;
  DownloadListModel model(list);
  list.Add("7", {"A - B", "40", "12 kb", "http://x/a.mp3"}, kStateTransferring);
  list.Add("8", {"C - D"}, kStateReady);
  list.SetError(1, "<b>boom</b>");
  list.SetState(1, kStateFailed);
  model.Flush();

  EXPECT_EQ(model.index(0, 0).data().toString(), "7");
  EXPECT_EQ(model.index(0, 1).data().toString(), "A - B");
  EXPECT_EQ(model.index(0, 4).data().toString(), "http://x/a.mp3");
  EXPECT_TRUE(model.index(0, 5).data().toString().isEmpty());  // no path yet
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
