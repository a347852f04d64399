#include "downloads/download_list.h"

#include <stdexcept>

namespace melvoro {

const std::string& DownloadRow::SubItem(int column) const {
  static const std::string kEmpty;
  return column >= 0 && static_cast<std::size_t>(column) < SubItems.size()
             ? SubItems[static_cast<std::size_t>(column)]
             : kEmpty;
}

int DownloadList::Add(std::string caption, std::vector<std::string> sub_items, int state) {
  rows_.push_back(DownloadRow{std::move(caption), std::move(sub_items), state, {}});
  const int index = Count() - 1;
  if (OnRowsAdded) OnRowsAdded(index, 1);
  return index;
}

const DownloadRow& DownloadList::Row(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("download row " + std::to_string(index));
  return rows_[static_cast<std::size_t>(index)];
}

DownloadRow& DownloadList::Mutable(int index) {
  Row(index);
  return rows_[static_cast<std::size_t>(index)];
}

void DownloadList::Changed(int index) const {
  if (OnRowChanged) OnRowChanged(index);
}

void DownloadList::SetState(int index, int state) {
  DownloadRow& row = Mutable(index);
  if (row.State == state) return;
  row.State = state;
  Changed(index);
}

void DownloadList::SetSubItem(int index, int column, std::string text) {
  DownloadRow& row = Mutable(index);
  if (column < 0) throw std::out_of_range("download column " + std::to_string(column));
  const auto at = static_cast<std::size_t>(column);
  if (row.SubItems.size() <= at) row.SubItems.resize(at + 1);
  if (row.SubItems[at] == text) return;
  row.SubItems[at] = std::move(text);
  Changed(index);
}

void DownloadList::SetError(int index, std::string message) {
  DownloadRow& row = Mutable(index);
  if (row.Error == message) return;
  row.Error = std::move(message);
  Changed(index);
}

void DownloadList::TruncateSubItems(int index, int column) {
  DownloadRow& row = Mutable(index);
  if (column >= 0 && static_cast<std::size_t>(column) < row.SubItems.size()) {
    row.SubItems.resize(static_cast<std::size_t>(column));
    Changed(index);
  }
}

}  // namespace melvoro
