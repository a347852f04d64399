#include "downloads/download_queue.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "core/config/settings_table.h"
#include "core/log/program_log.h"
#include "core/os/file_io.h"
#include "core/os/message_box.h"
#include "core/os/os_path.h"
#include "core/text/text_helpers.h"
#include "core/text/texts.h"
#include "downloads/album_playlist.h"
#include "downloads/file_naming.h"

namespace melvoro {

namespace {

// Another transfer or look-up failing the same way within this time shows no new box.
constexpr auto kRepeatBoxPause = std::chrono::seconds(60);

}  // namespace

DownloadQueue::DownloadQueue(const RequestContext& context, const SettingsTable& settings,
                             SearchController& controller, ShownResults& results, ProgramLog& log)
    : context_(context), settings_(settings), controller_(controller), results_(results), log_(log) {
  controller_.SetLookupRows(this);
}

DownloadQueue::~DownloadQueue() {
  *alive_ = false;
  controller_.SetLookupRows(nullptr);
}

int DownloadQueue::AddFoundSong(int results_row, const std::string& name, const std::string& link) {
  for (int i = 0; i < list_.Count(); ++i) {
    const DownloadRow& row = list_.Row(i);
    if (row.State == DownloadState::Failed && row.ResultRow == results_row && row.Link == link && Retry(i))
      return i;
  }
  const int index = list_.Add({.Number = results_row,
                               .ResultRow = results_row,
                               .Name = name,
                               .State = DownloadState::Ready,
                               .Percent = 0,
                               .SizeBefore = SizeBeforeReport::ZeroKb,
                               .Link = link});
  StartWhenReady();
  return index;
}

void DownloadQueue::AddNamesToLookUp(const std::vector<std::string>& names) {
  for (const std::string& name : names)
    list_.Add({.Number = list_.Count(), .Name = name, .State = DownloadState::LookUp});
}

int DownloadQueue::AddSearch(const std::string& text) {
  const int index = list_.Add({.Number = list_.Count(), .Name = text, .State = DownloadState::Search});
  Tick();
  return index;
}

int DownloadQueue::ThreadLimit() {
  const std::string value = settings_.Get("ThreadsCount");
  if (const auto number = DecimalNumber(value)) {
    bad_threads_value_.reset();
    return TransferSlotLimit(*number);
  }
  // An empty or garbled field must not stop the downloads, nor fill the log every second.
  if (bad_threads_value_ != value) {
    bad_threads_value_ = value;
    log_.AddLogEntry(texts::kBadThreadsCount.str() + std::to_string(kDefaultThreads), value, kLogError);
  }
  return kDefaultThreads;
}

int DownloadQueue::FreeSlots() {
  int active = 0;
  for (int i = 0; i < list_.Count(); ++i)
    if (list_.Row(i).State == DownloadState::Transferring) ++active;
  const std::int64_t slots = static_cast<std::int64_t>(ThreadLimit()) - active;
  return static_cast<int>(std::clamp<std::int64_t>(slots, 0, list_.Count()));
}

void DownloadQueue::StartReadyRows(int free) {
  for (int i = 0; i < list_.Count() && free > 0; ++i)
    if (list_.Row(i).State == DownloadState::Ready) {
      --free;
      StartTransfer(i);
    }
}

void DownloadQueue::StartWhenReady() {
  if (StartAtOnce) StartReadyRows(FreeSlots());
}

void DownloadQueue::Tick() {
  for (int i = 0; i < list_.Count(); ++i)
    if (list_.Row(i).State == DownloadState::Transferring) MarkWaitingForData(i);
  const int free = FreeSlots();
  if (free <= 0) return;
  StartReadyRows(free);

  int lookup = -1;
  int search = -1;
  for (int i = 0; i < list_.Count(); ++i) {
    const DownloadState state = list_.Row(i).State;
    if (state == DownloadState::LookUp && lookup < 0) {
      if (LookupDue(i)) lookup = i;
    } else if (state == DownloadState::Search) {
      search = i;
    }
  }

  if (search >= 0) {
    const std::string query = list_.Row(search).Name;
    const std::weak_ptr<bool> alive = alive_;
    auto show = [this, alive](std::vector<Song> songs) {
      if (!alive.expired()) results_.ShowResults(std::move(songs));
    };
    if (controller_.Search(query, std::move(show))) {
      OnSearchStarted();
      list_.SetState(search, DownloadState::Done);
    }
  } else if (lookup >= 0) {
    controller_.FindForItem(list_.Row(lookup).Name, lookup);
  }
}

void DownloadQueue::StartTransfer(int index) {
  // With no folder the name would hang off the root: refused until one is chosen.
  if (settings_.Get("UploadDir").empty()) return RefuseTransfer(index, texts::kNoDownloadFolder.str());
  const DownloadRow& row = list_.Row(index);
  auto worker = std::make_unique<HttpRequest>(context_);
  worker->Url = row.Link;
  worker->FileName = FitFileName(DownloadPath(settings_.Get("UploadDir"), row.Name));
  worker->SongTransfer = true;
  worker->ItemText = row.Name;
  worker->ItemIndex = index;
  worker->StallTimeout = TransferStallTimeout;
  const std::weak_ptr<bool> alive = alive_;
  worker->OnDone = [this, alive](HttpRequest& w) {
    if (!alive.expired()) DownloadDone(w);
  };
  worker->OnError = [this, alive](HttpRequest& w, const std::string& message) {
    if (!alive.expired()) DownloadFailed(w, message);
  };
  worker->OnProgress = [this, alive](HttpRequest& w, std::uint8_t percent) {
    if (!alive.expired()) DownloadProgress(w, percent);
  };
  worker->OnReceiving = [this, alive](HttpRequest& w) {
    if (!alive.expired()) DownloadReceiving(w);
  };
  DataArrived(index);  // the quiet counts from the start
  list_.Change(index, [&](DownloadRow& r) {
    r.Path = worker->FileName;
    r.State = DownloadState::Transferring;
  });
  try {
    HttpRequest::Start(std::move(worker));
  } catch (const std::exception& error) {
    RefuseTransfer(index, error.what());
  }
}

void DownloadQueue::RefuseTransfer(int index, const std::string& message) {
  // A transfer that never started must not hold its slot for the rest of the run.
  list_.Change(index, [&](DownloadRow& r) {
    r.Error = message;
    r.State = DownloadState::Failed;
  });
  MarkResultRowFailed(index);
  log_.AddLogEntry(texts::kTransferFailedPrefix.str() + list_.Row(index).Name, message, kLogError);
  ShowErrorOnce(message, last_transfer_error_);
}

void DownloadQueue::DataArrived(int index) {
  if (static_cast<std::size_t>(index) >= last_data_.size())
    last_data_.resize(static_cast<std::size_t>(index) + 1);
  last_data_[static_cast<std::size_t>(index)] = Now();
}

void DownloadQueue::MarkWaitingForData(int index) {
  // Only a row whose figure changes is touched, so a tick costs the views nothing while data flows.
  if (static_cast<std::size_t>(index) >= last_data_.size()) return DataArrived(index);
  const auto quiet = Now() - last_data_[static_cast<std::size_t>(index)];
  std::optional<std::uint32_t> waiting;
  if (quiet >= kDataWaitShown)
    waiting = static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::seconds>(quiet).count());
  list_.Change(index, [&](DownloadRow& row) { row.WaitingForData = waiting; });
}

void DownloadQueue::DownloadReceiving(HttpRequest& worker) {
  DataArrived(worker.ItemIndex);
  list_.Change(worker.ItemIndex, [](DownloadRow& row) { row.WaitingForData.reset(); });
}

void DownloadQueue::DownloadProgress(HttpRequest& worker, std::uint8_t percent) {
  DataArrived(worker.ItemIndex);
  list_.Change(worker.ItemIndex, [&](DownloadRow& row) {
    row.WaitingForData.reset();
    row.Percent = percent;
    // The reports carry only the percent, so the bytes are that share of the declared length
    // (1 when none was declared: the row says 0 Кб rather than guess). Formed in 64 bits:
    // the percent goes up to 255 and the length up to 2^32 - 1.
    row.Bytes = static_cast<std::uint64_t>(percent) * worker.ContentLength / 100;
  });
}

void DownloadQueue::DownloadDone(HttpRequest& worker) {
  const int index = worker.ItemIndex;
  // Colour the results row only while it still shows the song: a new search may have refilled it.
  if (const std::optional<int> n = list_.Row(index).ResultRow;
      n && *n >= 1 && *n <= ShownResults::kRowCount && results_.NameText(*n) == worker.ItemText)
    results_.MarkDownloaded(*n);
  // Another file held the first choice of name: the song went under the next free one.
  if (worker.FileName != list_.Row(index).Path)
    log_.AddLogEntry(texts::kSavedUnderOtherName.str() + worker.FileName, list_.Row(index).Path, kLogInfo);
  list_.Change(index, [&](DownloadRow& row) {
    row.Percent.reset();
    row.WaitingForData.reset();
    row.Bytes = worker.ContentLength;  // 1 when the server declared no length: 0 Кб
    row.Error.clear();
    row.Path = worker.FileName;
    row.State = DownloadState::Done;
  });
  StartWhenReady();
}

void DownloadQueue::DownloadFailed(HttpRequest& worker, const std::string& message) {
  const int index = worker.ItemIndex;
  // The row stops counting as running and says it failed; its menu offers a retry.
  list_.Change(index, [&](DownloadRow& row) {
    row.Percent.reset();
    row.WaitingForData.reset();
    row.Error = message;
    row.State = DownloadState::Failed;
  });
  MarkResultRowFailed(index);
  StartWhenReady();  // before the box, which may stay open a while
  log_.AddLogEntry(texts::kTransferFailedPrefix.str() + worker.ItemText, message, kLogError);
  ShowErrorOnce(message, last_transfer_error_);
}

bool DownloadQueue::Retry(int index) {
  if (list_.Row(index).State != DownloadState::Failed) return false;
  if (index < static_cast<int>(lookup_retries_.size())) lookup_retries_[static_cast<std::size_t>(index)] = {};
  list_.Change(index, [](DownloadRow& row) {
    row.Path.clear();  // a new transfer names its file again
    row.Percent = 0;
    row.Bytes.reset();
    row.SizeBefore = SizeBeforeReport::ZeroKb;
    row.Error.clear();
    // A row whose look-up gave up has no link yet: it goes back to being looked up.
    row.State = row.Link.empty() ? DownloadState::LookUp : DownloadState::Ready;
  });
  if (const std::optional<int> n = ShownResultRow(index)) results_.Queue(*n);
  StartWhenReady();
  return true;
}

std::optional<int> DownloadQueue::ShownResultRow(int index) const {
  // A new search may have refilled the row with another song.
  const DownloadRow& row = list_.Row(index);
  if (row.ResultRow && *row.ResultRow >= 1 && *row.ResultRow <= ShownResults::kRowCount &&
      results_.NameText(*row.ResultRow) == row.Name)
    return row.ResultRow;
  return std::nullopt;
}

void DownloadQueue::MarkResultRowFailed(int index) {
  if (const std::optional<int> n = ShownResultRow(index)) results_.MarkFailed(*n);
}

void DownloadQueue::ShowErrorOnce(const std::string& message, ShownError& last) {
  const auto now = Now();
  // A box already open, or the same failure shown a moment ago: the log and the row say it.
  if (box_open_ || (message == last.message && now - last.at < kRepeatBoxPause)) return;
  last = {message, now};
  box_open_ = true;
  try {
    context_.boxes.Show(texts::kRequestErrorCaption.str(), message, MessageIcon::Error);
  } catch (...) {
    box_open_ = false;
    throw;
  }
  box_open_ = false;
}

std::string DownloadQueue::LookupName(int index) const {
  return index >= 0 && index < list_.Count() ? list_.Row(index).Name : std::string();
}

void DownloadQueue::LookupFound(int index, const std::string& link) {
  if (index < 0 || index >= list_.Count()) return;
  if (index < static_cast<int>(lookup_retries_.size())) lookup_retries_[static_cast<std::size_t>(index)] = {};
  list_.Change(index, [&](DownloadRow& row) {
    row.Link = link;
    row.State = DownloadState::Ready;
  });
  StartWhenReady();
}

void DownloadQueue::LookupNotFound(int index) {
  if (index < 0 || index >= list_.Count()) return;
  if (index < static_cast<int>(lookup_retries_.size())) lookup_retries_[static_cast<std::size_t>(index)] = {};
  list_.SetState(index, DownloadState::NotFound);
}

void DownloadQueue::LookupFailed(int index, const std::string& message) {
  if (index < 0 || index >= list_.Count()) return;
  if (static_cast<int>(lookup_retries_.size()) <= index)
    lookup_retries_.resize(static_cast<std::size_t>(index) + 1);
  LookupRetry& retry = lookup_retries_[static_cast<std::size_t>(index)];
  ++retry.failures;
  retry.not_before = Now() + LookupRetryPause(retry.failures);
  const std::string name = list_.Row(index).Name;
  log_.AddLogEntry(texts::kLookupFailedPrefix.str() + name, message, kLogError);
  if (MaxLookupFailures > 0 && retry.failures >= MaxLookupFailures) {
    list_.Change(index, [&](DownloadRow& row) {
      row.Error = message;
      row.State = DownloadState::Failed;
    });
  }
  ShowErrorOnce(message, last_lookup_error_);
}

bool DownloadQueue::LookupDue(int index) const {
  if (index >= static_cast<int>(lookup_retries_.size())) return true;
  return Now() >= lookup_retries_[static_cast<std::size_t>(index)].not_before;
}

std::chrono::seconds DownloadQueue::LookupRetryPause(int failures) {
  if (failures <= 0) return std::chrono::seconds(0);
  constexpr std::chrono::seconds kFirst(5), kLongest(300);
  std::chrono::seconds pause = kFirst;
  for (int i = 1; i < failures && pause < kLongest; ++i) pause *= 2;
  return std::min(pause, kLongest);
}

void DownloadQueue::QueueAlbumTracks(const std::vector<std::string>& titles, const std::string& artist,
                                     const std::string& album, const std::string& album_folder) {
  // Only the album's own folder is made: a missing download folder is an error the user must see.
  const std::filesystem::path folder = ToOsPath(album_folder);
  if (::mkdir(folder.c_str(), 0777) != 0) {
    const int error = errno;
    struct stat info {};
    if (error != EEXIST) throw FileError(folder, error);
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) throw FileError(folder, ENOTDIR);
  }

  std::vector<std::string> accepted;
  for (const std::string& title : titles) {
    AlbumTrackEntry* entry = nullptr;
    int number = 0;
    for (int n = 1; n <= kAlbumEntries && entry == nullptr; ++n) {
      if (album_[static_cast<std::size_t>(n - 1)].Free) {
        entry = &album_[static_cast<std::size_t>(n - 1)];
        number = n;
      }
    }
    if (entry == nullptr) {
      log_.AddLogEntry(texts::kNoFreeAlbumEntry.str(), "", kLogError);
      continue;
    }
    const std::string name = artist + texts::kEmDashSeparator.str() + title;
    *entry = AlbumTrackEntry{false, -1, title, album, artist};
    entry->ListRow = list_.Add({.Number = number,
                                .Name = name,
                                .State = DownloadState::LookUp,
                                .Percent = 0,
                                .SizeBefore = SizeBeforeReport::Zero});
    accepted.push_back(title);
    log_.AddLogEntry(texts::kQueuedPrefix.str() + name, "", kLogInfo);
  }
  WriteAlbumPlaylist(AlbumPlaylistPath(album_folder, artist, album), AlbumPlaylistText(accepted));
}

void DownloadQueue::QueueAlbumDownload(const std::vector<std::string>& titles, const std::string& artist,
                                       const std::string& album, const std::string& download_folder) {
  if (download_folder.empty()) throw FileError(ToOsPath(AlbumName(artist, album)), ENOENT);
  QueueAlbumTracks(titles, artist, album, AlbumFolder(download_folder, artist, album));
}

void DownloadQueue::GiveBackAlbumEntry(int number) {
  AlbumTrackEntry& entry = album_.at(static_cast<std::size_t>(number - 1));
  entry.Title.clear();
  entry.Album.clear();
  entry.Artist.clear();
  entry.Free = true;
}

const AlbumTrackEntry& DownloadQueue::AlbumEntry(int number) const {
  return album_.at(static_cast<std::size_t>(number - 1));
}

}  // namespace melvoro
