// SearchController: the one search controller. It fetches pages that list audio, cuts them into songs
// and hands the list on; it also looks up the link of a download-list row that has only a
// name. One request at a time: a call while busy is refused and has no effect at all.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/http/hosts.h"
#include "core/http/http_request.h"
#include "core/listeners.h"
#include "search/page_parser.h"
#include "search/song.h"

namespace melvoro {

class ProgramLog;
class SettingsTable;

// Where a look-up's answer goes: the download list, seen through what the look-up needs.
class LookupRows {
 public:
  virtual ~LookupRows() = default;
  // The name of row index at the time the answer arrives.
  virtual std::string LookupName(int index) const = 0;
  virtual void LookupFound(int index, const std::string& link) = 0;
  virtual void LookupNotFound(int index) = 0;
  // The request failed; the row stays as it is. The receiver decides what the user sees.
  virtual void LookupFailed(int index, const std::string& message) = 0;
};

class SearchController {
 public:
  using ResultHandler = std::function<void(std::vector<Song>)>;

  // settings, hosts and log must outlive the controller; lookups go to rows when given. The
  // owner shuts the UI thread down before destroying it, so no answer arrives afterwards.
  SearchController(const RequestContext& context, const SettingsTable& settings, const Hosts& hosts,
                   ProgramLog& log);

  void SetLookupRows(LookupRows* rows) { lookup_rows_ = rows; }

  bool Search(const std::string& query, ResultHandler handler);
  bool LoadPage(const std::string& url, ResultHandler handler);
  bool FindForItem(const std::string& name, std::int32_t index);

  // ParseSongs, and a log entry with the page when it yields nothing.
  std::vector<Song> ParsePage(std::string_view text);

  // "http://<network>/gsearch.php?q=<query>&section=audio&offset=0"
  std::string SearchUrl(const std::string& query) const;

  bool Busy() const { return busy_; }
  std::int32_t QueueIndex() const { return queue_index_; }
  // The name of the current song list: the title of the playlist a play click writes.
  std::string ListTitle;
  // A search or page load failed (its box comes next): the window shows the rows it hid for
  // the answer again, as they were.
  Listeners<> OnPageFailed;

 private:
  std::unique_ptr<HttpRequest> NewRequest(const std::string& url);
  // A search page or an audio list: its songs go to handler.
  bool StartPageRequest(const std::string& url, ResultHandler handler);
  void SearchDone(HttpRequest& worker);
  void SearchFailed(const std::string& message);
  void LookupDone(HttpRequest& worker);
  void LookupFailedHandler(const std::string& message);

  RequestContext context_;
  const SettingsTable& settings_;
  const Hosts& hosts_;
  ProgramLog& log_;
  LookupRows* lookup_rows_ = nullptr;

  ResultHandler on_result_;
  std::int32_t queue_index_ = 0;
  bool busy_ = false;
};

}  // namespace melvoro
