#include "ui/main_window/download_list_model.h"

#include <QTextDocument>

#include "downloads/download_list.h"
#include "qt_seams/qt_text.h"
#include "ui/main_window/state_icons.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

std::string PercentText(const DownloadRow& row) {
  // A stalled transfer must not look alive behind its last percent.
  if (row.WaitingForData) return texts::kWaitingForDataShort.str();
  return row.Percent ? std::to_string(*row.Percent) : "";
}

std::string SizeText(const DownloadRow& row) {
  // Whole kilobytes, rounded down: during a transfer that is (percent × length) div 102400,
  // the figure this column has always shown.
  if (row.Bytes) return std::to_string(*row.Bytes / 1024) + texts::kKilobytes.str();
  switch (row.SizeBefore) {
    case SizeBeforeReport::Zero:
      return "0";
    case SizeBeforeReport::ZeroKb:
      return "0 kb";
    case SizeBeforeReport::Nothing:
      break;
  }
  return "";
}

}  // namespace

std::string DownloadListModel::CellText(const DownloadRow& row, int column) {
  switch (column) {
    case kNumberColumn:
      return std::to_string(row.Number);
    case kNameColumn:
      return row.Name;
    case kPercentColumn:
      return PercentText(row);
    case kSizeColumn:
      return SizeText(row);
    case kLinkColumn:
      return row.Link;
    case kPathColumn:
      return row.Path;
    default:
      return "";
  }
}

DownloadListModel::DownloadListModel(DownloadList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), shown_rows_(list.Count()) {
  for (std::size_t state = 0; state < icons_.size(); ++state)
    icons_[state] = StateIcon(static_cast<DownloadState>(state));
  flush_timer_.setSingleShot(true);
  flush_timer_.setInterval(kFlushMs);
  connect(&flush_timer_, &QTimer::timeout, this, &DownloadListModel::Flush);
  subscriptions_.emplace_back(list_.OnRowsAdded, [this](int first, int count) { RowsAdded(first, count); });
  subscriptions_.emplace_back(list_.OnRowChanged, [this](int index) { RowChanged(index); });
}

int DownloadListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_rows_;
}

int DownloadListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

const DownloadRow* DownloadListModel::RowAt(int row) const {
  return row >= 0 && row < shown_rows_ ? &list_.Row(row) : nullptr;
}

QVariant DownloadListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= shown_rows_) return {};
  const DownloadRow& row = list_.Row(index.row());
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(CellText(row, column));
    case Qt::DecorationRole:
      if (const auto icon = static_cast<std::size_t>(row.State);
          column == kNumberColumn && icon < icons_.size())
        return icons_[icon];
      return {};
    case Qt::ToolTipRole:
      // A failed row says why, whichever cell the pointer rests on.
      // Tooltips take markup; these texts come from the network and the user, so they go as text.
      if (row.State == DownloadState::Failed && !row.Error.empty())
        return Qt::convertFromPlainText(ToQString(row.Error));
      // A waiting row says for how long, whichever cell.
      if (row.WaitingForData)
        return ToQString(texts::kWaitingForData.str() + std::to_string(*row.WaitingForData) +
                         texts::kSecondsUnit.str());
      return column == kNumberColumn ? QVariant()
                                     : QVariant(Qt::convertFromPlainText(ToQString(CellText(row, column))));
    case Qt::TextAlignmentRole:
      if (column == kPercentColumn) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default:
      return {};
  }
}

QVariant DownloadListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole && section == kPercentColumn)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  switch (section) {
    case kNumberColumn:
      return ToQString(texts::kColumnNumber);
    case kNameColumn:
      return ToQString(texts::kColumnName);
    case kPercentColumn:
      return ToQString(texts::kColumnPercent);
    case kSizeColumn:
      return ToQString(texts::kColumnSize);
    case kLinkColumn:
      return ToQString(texts::kColumnFile);
    default:
      return QString();
  }
}

void DownloadListModel::RowsAdded(int first, int count) {
  // Rows are only ever appended, so anything past what the views know is new.
  const int last = first + count - 1;
  if (last < shown_rows_) return;
  beginInsertRows({}, shown_rows_, last);
  shown_rows_ = last + 1;
  endInsertRows();
}

void DownloadListModel::RowChanged(int index) {
  if (index < 0) return;
  if (static_cast<std::size_t>(index) >= is_dirty_.size())
    is_dirty_.resize(static_cast<std::size_t>(index) + 1);
  if (is_dirty_[static_cast<std::size_t>(index)]) return;
  is_dirty_[static_cast<std::size_t>(index)] = true;
  dirty_.push_back(index);
  if (!flush_timer_.isActive()) flush_timer_.start();
}

void DownloadListModel::Flush() {
  flush_timer_.stop();
  std::vector<int> rows;
  rows.swap(dirty_);
  for (const int row : rows) {
    is_dirty_[static_cast<std::size_t>(row)] = false;
    if (row < shown_rows_) emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
  }
}

}  // namespace melvoro::ui
