#include "search/search_controller.h"

#include "core/config/settings_table.h"
#include "core/log/program_log.h"
#include "core/os/message_box.h"
#include "core/text/text_helpers.h"
#include "core/text/texts.h"

namespace melvoro {

SearchController::SearchController(const RequestContext& context, const SettingsTable& settings,
                                   const Hosts& hosts, ProgramLog& log)
    : context_(context), settings_(settings), hosts_(hosts), log_(log) {}

std::string SearchController::SearchUrl(const std::string& query) const {
  return "http://" + hosts_.Network + "/gsearch.php?q=" + UrlEncode(query) +
         "&section=audio&offset=0";  // only the first page of results is asked for
}

std::unique_ptr<HttpRequest> SearchController::NewRequest(const std::string& url) {
  auto worker = std::make_unique<HttpRequest>(context_);
  worker->Url = url;
  worker->Cookie = settings_.Get("cookie");
  return worker;
}

bool SearchController::Search(const std::string& query, ResultHandler handler) {
  if (!StartPageRequest(SearchUrl(query), std::move(handler))) return false;
  ListTitle = texts::kSearchTitlePrefix.str() + query + " (" + texts::kAppTitle.str() + ")";
  return true;
}

bool SearchController::LoadPage(const std::string& url, ResultHandler handler) {
  return StartPageRequest(url, std::move(handler));
}

bool SearchController::StartPageRequest(const std::string& url, ResultHandler handler) {
  if (busy_) return false;
  auto worker = NewRequest(url);
  worker->OnDone = [this](HttpRequest& w) { SearchDone(w); };
  worker->OnError = [this](HttpRequest&, const std::string& message) { SearchFailed(message); };
  HttpRequest::Start(std::move(worker));
  // Only a request that started replaces the handler: its answer comes later, on this thread.
  on_result_ = std::move(handler);
  busy_ = true;
  return true;
}

bool SearchController::FindForItem(const std::string& name, std::int32_t index) {
  if (busy_) return false;
  auto worker = NewRequest(SearchUrl(name));
  worker->OnDone = [this](HttpRequest& w) { LookupDone(w); };
  worker->OnError = [this](HttpRequest&, const std::string& message) { LookupFailedHandler(message); };
  HttpRequest::Start(std::move(worker));
  busy_ = true;
  queue_index_ = index;
  return true;
}

std::vector<Song> SearchController::ParsePage(std::string_view text) {
  bool cut_short = false;
  std::vector<Song> songs = ParseSongs(text, hosts_.Storage, &cut_short);
  if (cut_short) {
    log_.AddLogEntry(texts::kPageCutShort.str() + std::to_string(songs.size()), text, kLogError);
  } else if (songs.empty()) {
    log_.AddLogEntry(texts::kNothingFoundFromNetwork.str(), text, kLogNothingFound);
  }
  return songs;
}

void SearchController::SearchDone(HttpRequest& worker) {
  busy_ = false;
  std::vector<Song> songs = ParsePage(worker.Response);
  if (on_result_) on_result_(std::move(songs));
}

void SearchController::SearchFailed(const std::string& message) {
  busy_ = false;
  // Before the box: while it is open the next search may start and hide the rows again.
  OnPageFailed();
  context_.boxes.Show(texts::kRequestErrorCaption.str(), message, MessageIcon::Error);
}

void SearchController::LookupDone(HttpRequest& worker) {
  busy_ = false;
  const std::vector<Song> songs = ParsePage(worker.Response);
  if (lookup_rows_ == nullptr) return;
  const std::string key = NormalizeForMatch(lookup_rows_->LookupName(queue_index_));
  for (const Song& s : songs) {
    if (NormalizeForMatch(s.MatchText()) == key) {
      lookup_rows_->LookupFound(queue_index_, s.Link);
      return;
    }
  }
  lookup_rows_->LookupNotFound(queue_index_);
}

void SearchController::LookupFailedHandler(const std::string& message) {
  busy_ = false;
  if (lookup_rows_ != nullptr) {
    lookup_rows_->LookupFailed(queue_index_, message);
  } else {
    context_.boxes.Show(texts::kRequestErrorCaption.str(), message, MessageIcon::Error);
  }
}

}  // namespace melvoro
