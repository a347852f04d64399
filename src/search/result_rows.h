// The 100 result rows of the results page: which song each shows and how far the user has
// taken it. The window draws them; the download queue and playback read them by number.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/listeners.h"
#include "search/shown_results.h"
#include "search/song.h"

namespace melvoro {

enum class ResultRowState { Fresh, Queued, Downloaded, Failed };

struct ResultRow {
  bool InUse = false;  // shows a song; rows past the end of the list are hidden
  melvoro::Song Song;
  ResultRowState State = ResultRowState::Fresh;
  // A click queues its song; once queued, the row takes no more clicks until the next list.
  bool Clickable = false;
  int Progress = 0;  // the row's progress bar; shown only by the window, never by a new result
};

class ResultRows final : public ShownResults {
 public:
  // Lays out a song list: rows 1.. take the songs in order, at most 100; the rest are hidden.
  void ShowResults(std::vector<Song> list) override;

  // Row n, 1..100; throws std::out_of_range otherwise.
  const ResultRow& Row(int n) const;
  // Rows 1..100 in use, in order: the rows a playlist lists.
  int InUseCount() const;
  // The last list was empty (the window shows its nothing-found message).
  bool NothingFound() const { return nothing_found_; }
  // Whether a list has been shown since the start.
  bool AnyShown() const { return any_shown_; }

  // The row's name label text ("artist - title"), empty for a row not in use.
  std::string NameText(int n) const override;

  // A click on a clickable row in use: marks it queued and returns true, once per result and
  // once more after each failure.
  bool Queue(int n) override;
  // The finished download of row n: downloaded colour, progress 100; its clicks stay as they were.
  void MarkDownloaded(int n) override;
  // The failed download of row n: failed colour, and a click queues it again.
  void MarkFailed(int n) override;

  // After a new list was laid out (the window shows the results frame again).
  Listeners<> OnShown;
  // After one row changed its state.
  Listeners<int> OnRowChanged;

 private:
  std::array<ResultRow, kRowCount> rows_{};
  bool nothing_found_ = false;
  bool any_shown_ = false;
};

}  // namespace melvoro
