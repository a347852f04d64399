#include "charts/chart_list.h"

#include "charts/chart_parser.h"
#include "charts/chart_sources.h"
#include "core/log/program_log.h"
#include "core/os/message_box.h"
#include "core/text/texts.h"
#include "downloads/download_queue.h"

namespace melvoro {

ChartList::ChartList(const RequestContext& context, const Hosts& hosts, DownloadQueue& queue, ProgramLog& log)
    : context_(context), hosts_(hosts), queue_(queue), log_(log) {}

ChartList::~ChartList() { *alive_ = false; }

void ChartList::LoadSiteChart(RadioSite site) { StartLoad(SiteChartUrl(hosts_, site), {}, false); }

bool ChartList::LoadStationChart(RadioSite site, std::string_view entry) {
  const auto code = StationCode(entry);
  if (!code) return false;
  StartLoad(StationChartUrl(hosts_, site, *code), {}, false);
  return true;
}

void ChartList::LoadTopTracks(const std::string& artist) {
  StartLoad(TopTracksUrl(hosts_, artist), artist, true);
}

void ChartList::StartLoad(const std::string& url, const std::string& artist, bool top_tracks) {
  Replace({});
  cut_short_ = false;
  const std::uint64_t generation = ++generation_;
  loading_ = true;
  auto worker = std::make_unique<HttpRequest>(context_);
  worker->Url = url;
  worker->ItemText = artist;
  const std::weak_ptr<bool> alive = alive_;
  // A handler of a load that is no longer the newest leaves the list as the newer one made it.
  auto current = [this, alive, generation] {
    const auto token = alive.lock();
    return token && *token && generation == generation_;
  };
  worker->OnDone = [this, current, top_tracks](HttpRequest& w) {
    if (!current()) return;
    loading_ = false;
    auto entries = top_tracks ? ParseTopTracks(w.Response, w.ItemText, &cut_short_)
                              : ParseChartPage(w.Response, &cut_short_);
    if (cut_short_)
      log_.AddLogEntry(texts::kPageCutShort.str() + std::to_string(entries.size()), w.Response, kLogError);
    Append(std::move(entries));
  };
  worker->OnError = [this, current](HttpRequest&, const std::string& message) {
    if (!current()) return;
    loading_ = false;
    context_.boxes.Show(texts::kRequestErrorCaption.str(), message, MessageIcon::Error);
  };
  HttpRequest::Start(std::move(worker));
}

void ChartList::CopyMemo(std::string_view text) {
  ++generation_;  // a load still under way must not add to the memo's lines
  loading_ = false;
  cut_short_ = false;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  Replace(std::move(lines));
}

void ChartList::Replace(std::vector<std::string> texts) {
  entries_.clear();
  OnReset();
  Append(std::move(texts));
}

void ChartList::Append(std::vector<std::string> texts) {
  if (texts.empty()) return;
  const int first = static_cast<int>(entries_.size());
  for (std::string& text : texts) entries_.push_back({.Text = std::move(text)});
  OnAppended(first, static_cast<int>(texts.size()));
}

void ChartList::SetChecked(int index, bool checked) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  ChartEntry& entry = entries_[static_cast<std::size_t>(index)];
  if (!entry.Enabled || entry.Checked == checked) return;
  entry.Checked = checked;
  OnEntryChanged(index);
}

int ChartList::HandOver() {
  std::vector<std::string> names;
  std::vector<int> handed;
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
    const ChartEntry& entry = entries_[static_cast<std::size_t>(i)];
    if (!entry.Checked || !entry.Enabled) continue;
    names.push_back(entry.Text);
    handed.push_back(i);
  }
  queue_.AddNamesToLookUp(names);
  for (const int i : handed) {
    ChartEntry& entry = entries_[static_cast<std::size_t>(i)];
    entry.Checked = false;
    entry.Enabled = false;
    OnEntryChanged(i);
  }
  return static_cast<int>(handed.size());
}

int ChartList::CheckAndHandOver(int index) {
  SetChecked(index, true);
  return HandOver();
}

}  // namespace melvoro
