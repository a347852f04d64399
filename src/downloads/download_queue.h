// The work queue behind the download list: adding rows, the once-a-second tick that starts
// transfers, searches and look-ups, the transfer handlers, retries, and the album-track table.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/http/http_request.h"
#include "core/listeners.h"
#include "downloads/download_list.h"
#include "search/search_controller.h"
#include "search/shown_results.h"
#include "search/song.h"

namespace melvoro {

class ProgramLog;
class SettingsTable;

// One entry of the album-track table.
struct AlbumTrackEntry {
  bool Free = true;
  int ListRow = -1;  // the download-list row made for the track
  std::string Title, Album, Artist;
};

class DownloadQueue final : public LookupRows {
 public:
  static constexpr int kDefaultThreads = 5;
  static constexpr int kAlbumEntries = 100;
  // A transfer quiet for this long shows that it waits for data; shorter gaps are normal.
  static constexpr std::chrono::seconds kDataWaitShown{5};
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // Everything given must outlive the queue. The queue answers the controller's look-ups.
  DownloadQueue(const RequestContext& context, const SettingsTable& settings, SearchController& controller,
                ShownResults& results, ProgramLog& log);
  ~DownloadQueue() override;

  DownloadList& List() { return list_; }
  const DownloadList& List() const { return list_; }

  // A click on results row n: a ready row with the song's name and link, started at once when
  // a slot is free; a failed row of the same song is retried instead, so one song never stands
  // in the list twice.
  int AddFoundSong(int results_row, const std::string& name, const std::string& link);
  // Lines of the charts window: one row to look up each.
  void AddNamesToLookUp(const std::vector<std::string>& names);
  // A typed search: a search row, then one tick at once.
  int AddSearch(const std::string& text);
  // The album page's checked tracks; writes the album playlist into album_folder (created
  // when missing, one level only). Throws FileError when the folder or playlist cannot be made.
  void QueueAlbumTracks(const std::vector<std::string>& titles, const std::string& artist,
                        const std::string& album, const std::string& album_folder);
  // The same into the album's folder under download_folder. No download folder (none existed
  // yet) is refused like a missing one, rather than making the album folder at the root.
  void QueueAlbumDownload(const std::vector<std::string>& titles, const std::string& artist,
                          const std::string& album, const std::string& download_folder);
  void GiveBackAlbumEntry(int number);
  const AlbumTrackEntry& AlbumEntry(int number) const;  // 1..100

  // timerFindList's tick.
  void Tick();

  // A failed row back to ready (started at once when a slot is free) or, with no link yet, to
  // being looked up, and its results row queued again; false when the row has not failed.
  bool Retry(int index);

  // The number of transfer slots this tick works with: ThreadsCount, or the default when it
  // is not a decimal number (logged once per such value).
  int ThreadLimit();

  // Called when a typed search has been handed to the controller (the window hides the
  // results until they arrive).
  Listeners<> OnSearchStarted;
  // Look-ups that fail this many times in a row turn their row failed; 0: retried for ever.
  int MaxLookupFailures = 0;
  // Replaceable so tests can step time for the look-up retry pause.
  Clock Now = [] { return std::chrono::steady_clock::now(); };
  // Whether a row that becomes ready, or a slot that frees, starts a transfer at once; false
  // leaves it to the next tick, as the benchmark's reference.
  bool StartAtOnce = true;
  // Lets tests shorten the stall time-out of transfers.
  std::chrono::seconds TransferStallTimeout{60};

  // LookupRows
  std::string LookupName(int index) const override;
  void LookupFound(int index, const std::string& link) override;
  void LookupNotFound(int index) override;
  void LookupFailed(int index, const std::string& message) override;

  // The handlers every transfer worker gets; they find their row by the worker's ItemIndex.
  void DownloadProgress(HttpRequest& worker, std::uint8_t percent);
  void DownloadReceiving(HttpRequest& worker);  // data arrived on a transfer of no declared length
  void DownloadDone(HttpRequest& worker);
  void DownloadFailed(HttpRequest& worker, const std::string& message);
  // The results row the download row came from, while it still shows that song.
  std::optional<int> ShownResultRow(int index) const;
  void MarkResultRowFailed(int index);

  // The pause before look-up number `failures` + 1 of a row that failed `failures` times.
  static std::chrono::seconds LookupRetryPause(int failures);

 private:
  struct LookupRetry {
    int failures = 0;
    std::chrono::steady_clock::time_point not_before{};
  };

  int FreeSlots();
  void StartReadyRows(int free);
  // Transfers wait for nothing but a free slot; only searches and look-ups keep the tick's pace.
  void StartWhenReady();
  void StartTransfer(int index);
  void RefuseTransfer(int index, const std::string& message);
  void DataArrived(int index);
  void MarkWaitingForData(int index);
  struct ShownError {
    std::string message;
    std::chrono::steady_clock::time_point at{};
  };

  bool LookupDue(int index) const;
  void ShowErrorOnce(const std::string& message, ShownError& last);

  RequestContext context_;
  const SettingsTable& settings_;
  SearchController& controller_;
  ShownResults& results_;
  ProgramLog& log_;
  DownloadList list_;
  std::array<AlbumTrackEntry, kAlbumEntries> album_{};
  std::vector<LookupRetry> lookup_retries_;  // by row position, grown on demand
  // When each transferring row last received data (or started), by row position.
  std::vector<std::chrono::steady_clock::time_point> last_data_;
  std::optional<std::string> bad_threads_value_;  // the invalid ThreadsCount last logged
  bool box_open_ = false;
  ShownError last_transfer_error_, last_lookup_error_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace melvoro
