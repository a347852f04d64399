// The rows of the download list: one job each (a transfer, a look-up, a typed search). Rows
// are only ever added; views follow the list through the change notifications.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/listeners.h"

namespace melvoro {

// The number of each state is its icon index in the list's picture table.
enum class DownloadState : int {
  NotFound = 0,      // the look-up found no matching song (final)
  Transferring = 1,  // a worker downloads the file
  Done = 2,          // downloaded, or a search that has been started (final)
  Ready = 3,         // the link is known, waiting for a transfer slot
  LookUp = 4,        // only the name is known
  Search = 5,        // a typed search waiting for the controller
  Failed = 6,        // the transfer failed; can be retried (shown with the red sign)
};

// What the size column shows before the first progress report: rows queued with their link
// (and retried ones) say "0 kb", album tracks "0", other rows nothing.
enum class SizeBeforeReport { Nothing, Zero, ZeroKb };

struct DownloadRow {
  // The row's caption: the results row or album-track entry it came from, or its own position
  // when it was added. (Every field has an initializer so rows can be built by naming a few.)
  int Number = 0;
  // The results row that queued it; its completion colours that row.
  std::optional<int> ResultRow{};
  std::string Name{};  // the song, chart line, album track or search text
  DownloadState State = DownloadState::Ready;
  std::optional<std::uint8_t> Percent{};  // none: the column is empty
  std::optional<std::uint64_t> Bytes{};   // received, as far as the reports tell; none before one
  SizeBeforeReport SizeBefore = SizeBeforeReport::Nothing;
  std::string Link{};   // the audio link, empty until known
  std::string Path{};   // the destination file, empty until a transfer starts
  std::string Error{};  // the message of a failed transfer or look-up
  // A transfer that has received nothing for a while: for how many whole seconds. Set by the
  // queue's tick once the quiet passes DownloadQueue::kDataWaitShown; none while data flows.
  std::optional<std::uint32_t> WaitingForData{};

  bool operator==(const DownloadRow&) const = default;

  // A transfer has been started for it: its file path is known.
  bool Started() const { return !Path.empty(); }
  // What its menu offers. The file stands under its name only once the transfer is done.
  bool CanListen() const { return Started() && State == DownloadState::Done; }
  bool CanOpenFolder() const { return Started(); }
  bool CanRetry() const { return State == DownloadState::Failed; }
};

class DownloadList {
 public:
  // Appends a row and returns its position.
  int Add(DownloadRow row);

  int Count() const { return static_cast<int>(rows_.size()); }
  // Throws std::out_of_range for a position outside the list.
  const DownloadRow& Row(int index) const;

  void SetState(int index, DownloadState state);
  // Lets edit change the row; listeners hear of it only when something changed.
  template <class Edit>
  void Change(int index, Edit&& edit) {
    DownloadRow& row = Mutable(index);
    const DownloadRow before = row;
    edit(row);
    if (row != before) OnRowChanged(index);
  }

  // After rows [first, first + count) were appended.
  Listeners<int, int> OnRowsAdded;
  // After one row changed.
  Listeners<int> OnRowChanged;

 private:
  DownloadRow& Mutable(int index);

  std::vector<DownloadRow> rows_;
};

}  // namespace melvoro
