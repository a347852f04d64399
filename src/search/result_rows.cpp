#include "search/result_rows.h"

#include <stdexcept>

namespace melvoro {

void ResultRows::ShowResults(std::vector<Song> list) {
  const std::size_t shown = std::min<std::size_t>(list.size(), kRowCount);
  for (std::size_t i = 0; i < kRowCount; ++i) {
    ResultRow& row = rows_[i];
    row.Progress = 0;
    row.State = ResultRowState::Fresh;
    row.InUse = i < shown;
    row.Clickable = row.InUse;
    row.Song = i < shown ? std::move(list[i]) : Song{};
  }
  nothing_found_ = list.empty();
  any_shown_ = true;
  OnShown();
}

const ResultRow& ResultRows::Row(int n) const {
  if (n < 1 || n > kRowCount) throw std::out_of_range("result row " + std::to_string(n));
  return rows_[static_cast<std::size_t>(n - 1)];
}

int ResultRows::InUseCount() const {
  int count = 0;
  for (const ResultRow& row : rows_) count += row.InUse ? 1 : 0;
  return count;
}

std::string ResultRows::NameText(int n) const {
  const ResultRow& row = Row(n);
  return row.InUse ? row.Song.Name() : std::string();
}

bool ResultRows::Queue(int n) {
  const ResultRow& row = Row(n);
  if (!row.InUse || !row.Clickable) return false;
  rows_[static_cast<std::size_t>(n - 1)].State = ResultRowState::Queued;
  rows_[static_cast<std::size_t>(n - 1)].Clickable = false;
  OnRowChanged(n);
  return true;
}

void ResultRows::MarkDownloaded(int n) {
  Row(n);
  ResultRow& row = rows_[static_cast<std::size_t>(n - 1)];
  row.State = ResultRowState::Downloaded;
  row.Progress = 100;
  OnRowChanged(n);
}

void ResultRows::MarkFailed(int n) {
  Row(n);
  ResultRow& row = rows_[static_cast<std::size_t>(n - 1)];
  // A song already downloaded from this row stays downloaded: only a queued row can fail.
  if (row.State != ResultRowState::Queued) return;
  row.State = ResultRowState::Failed;
  row.Progress = 0;
  row.Clickable = true;
  OnRowChanged(n);
}

}  // namespace melvoro
