// The download list as a Qt table model. It never rebuilds rows: additions insert, changes
// are gathered and signalled per row at most every kFlushMs, so progress from many transfers
// costs the screen no more than it can show.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QTimer>
#include <array>
#include <string>
#include <vector>

#include "core/listeners.h"

namespace melvoro {
class DownloadList;
struct DownloadRow;
}  // namespace melvoro

namespace melvoro::ui {

class DownloadListModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The columns left to right; the last one is never filled.
  enum Column : int {
    kNumberColumn,
    kNameColumn,
    kPercentColumn,
    kSizeColumn,
    kLinkColumn,
    kPathColumn,
    kColumnCount = kPathColumn + 2,
  };
  static constexpr int kFlushMs = 50;

  // The list must outlive the model; the model takes its change notifications.
  explicit DownloadListModel(DownloadList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The engine's row behind a view row; null for a row the views do not know yet.
  const DownloadRow* RowAt(int row) const;

  // What a row shows in a column: the fields as text.
  static std::string CellText(const DownloadRow& row, int column);

  // Signals every gathered change now (tests, and before a screenshot).
  void Flush();

 private:
  void RowsAdded(int first, int count);
  void RowChanged(int index);

  DownloadList& list_;
  std::vector<Subscription> subscriptions_;  // what the model hears of the list
  int shown_rows_ = 0;                       // rows the views have been told about
  std::vector<int> dirty_;
  std::vector<bool> is_dirty_;
  QTimer flush_timer_;
  std::array<QIcon, 7> icons_;
};

}  // namespace melvoro::ui
