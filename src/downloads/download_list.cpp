#include "downloads/download_list.h"

#include <stdexcept>

namespace melvoro {

int DownloadList::Add(DownloadRow row) {
  rows_.push_back(std::move(row));
  const int index = Count() - 1;
  OnRowsAdded(index, 1);
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

void DownloadList::SetState(int index, DownloadState state) {
  DownloadRow& row = Mutable(index);
  if (row.State == state) return;
  row.State = state;
  OnRowChanged(index);
}

}  // namespace melvoro
