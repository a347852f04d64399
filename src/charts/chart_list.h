// The charts window's list without a screen: the entries, the loads that fill it, the memo
// copy and the hand-off of checked entries to the download list.
//
// Every load clears the list when it starts, and only the newest load may fill it: an answer
// or a failure of a load that a later load (or a memo copy) has replaced is dropped without a
// word. Otherwise a quick second load would mix two charts in one list, and each keystroke in
// the station box would raise a box for a half-typed code.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "charts/stations.h"
#include "core/http/hosts.h"
#include "core/http/http_request.h"
#include "core/listeners.h"

namespace melvoro {

class DownloadQueue;
class ProgramLog;

struct ChartEntry {
  std::string Text;  // Windows-1251
  bool Checked = false;
  bool Enabled = true;  // false once handed to the download list

  bool operator==(const ChartEntry&) const = default;
};

class ChartList {
 public:
  // Everything given must outlive the list.
  ChartList(const RequestContext& context, const Hosts& hosts, DownloadQueue& queue, ProgramLog& log);
  ~ChartList();
  ChartList(const ChartList&) = delete;
  ChartList& operator=(const ChartList&) = delete;

  const std::vector<ChartEntry>& Entries() const { return entries_; }
  // A load has been started and its answer has not come yet.
  bool Loading() const { return loading_; }
  // The newest load's page took too much matching work: the list holds what was found before.
  bool CutShort() const { return cut_short_; }

  // The site's overall chart.
  void LoadSiteChart(RadioSite site);
  // The chart of the station a station entry (or typed text) names. Text without a station
  // code starts nothing and changes nothing; returns whether a load started.
  bool LoadStationChart(RadioSite site, std::string_view entry);
  // last.fm's top tracks of the artist as typed.
  void LoadTopTracks(const std::string& artist);
  // The entries become the memo's lines (Windows-1251 text, any line ends), unchecked.
  void CopyMemo(std::string_view text);

  // A disabled entry cannot be checked; an index outside the list is ignored.
  void SetChecked(int index, bool checked);
  // Every checked entry to the download list as a row to look up, in list order; each is
  // then disabled and unchecked, so it goes once. Returns how many went.
  int HandOver();
  // A double-click: checks the entry (when it can be), then hands over every checked entry.
  int CheckAndHandOver(int index);

  // The list was cleared or replaced.
  Listeners<> OnReset;
  // Entries [first, first + count) were appended.
  Listeners<int, int> OnAppended;
  // One entry's check or enabled state changed.
  Listeners<int> OnEntryChanged;

 private:
  void StartLoad(const std::string& url, const std::string& artist, bool top_tracks);
  void Replace(std::vector<std::string> texts);
  void Append(std::vector<std::string> texts);

  RequestContext context_;
  const Hosts& hosts_;
  DownloadQueue& queue_;
  ProgramLog& log_;
  std::vector<ChartEntry> entries_;
  std::uint64_t generation_ = 0;  // of the newest load or memo copy
  bool loading_ = false;
  bool cut_short_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace melvoro
