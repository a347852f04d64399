// The rows of the download list: one job each (a transfer, a look-up, a typed search). Rows
// are only ever added; a view follows the list through the change notifications.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace melvoro {

// The row state is the icon index of the list's picture table.
enum DownloadState : int {
  kStateNotFound = 0,      // the look-up found no matching song (final)
  kStateTransferring = 1,  // a worker downloads the file
  kStateDone = 2,          // downloaded, or a search that has been started (final)
  kStateReady = 3,         // the link is known, waiting for a transfer slot
  kStateLookUp = 4,        // only the name is known
  kStateSearch = 5,        // a typed search waiting for the controller
  kStateFailed = 6,        // the transfer failed; can be retried (shown with the red sign)
};

// Sub-item positions.
enum DownloadColumn : int {
  kColumnName = 0,
  kColumnPercent = 1,
  kColumnSize = 2,
  kColumnLink = 3,
  kColumnPath = 4,
};

struct DownloadRow {
  std::string Caption;                // the row number, decimal
  std::vector<std::string> SubItems;  // name, percent, size, link, path
  int State = kStateReady;
  std::string Error;  // the message of a failed transfer or look-up

  // Empty when the row has no such sub-item.
  const std::string& SubItem(int column) const;
  // A transfer has been started for it: its file path is known.
  bool Started() const { return SubItems.size() > kColumnPath; }
  // What its menu offers. The file stands under its name only once the transfer is done.
  bool CanListen() const { return Started() && State == kStateDone; }
  bool CanOpenFolder() const { return Started(); }
  bool CanRetry() const { return State == kStateFailed; }
};

class DownloadList {
 public:
  // Appends a row and returns its position.
  int Add(std::string caption, std::vector<std::string> sub_items, int state);

  int Count() const { return static_cast<int>(rows_.size()); }
  // Throws std::out_of_range for a position outside the list.
  const DownloadRow& Row(int index) const;

  void SetState(int index, int state);
  // Pads the row with empty sub-items up to column, then sets it.
  void SetSubItem(int index, int column, std::string text);
  void SetError(int index, std::string message);
  // Drops the sub-items from column on (a retried transfer gets a new path).
  void TruncateSubItems(int index, int column);

  // After rows [first, first + count) were appended.
  std::function<void(int first, int count)> OnRowsAdded;
  // After one row changed.
  std::function<void(int index)> OnRowChanged;

 private:
  DownloadRow& Mutable(int index);
  void Changed(int index) const;

  std::vector<DownloadRow> rows_;
};

}  // namespace melvoro
