// HttpRequest: one plain-HTTP request on a thread of its own. Every notification (activity
// begin, progress, done, error, activity end) runs on the UI thread while the worker waits.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace melvoro {

class ActivityIndicator;
class MessageBoxes;
class UiThread;

// What every worker reports to: the UI thread, the indicator it drives, and the message box
// used when the creator gave no error handler.
struct RequestContext {
  UiThread& ui;
  ActivityIndicator& activity;
  MessageBoxes& boxes;
};

// The most transfers that may run at once, whatever the settings ask: each holds a socket
// and a file, and the descriptors of a process are limited.
inline constexpr int kMaxTransferSlots = 32;
inline int TransferSlotLimit(int configured) {
  return configured < kMaxTransferSlots ? configured : kMaxTransferSlots;
}

class HttpRequest {
 public:
  using DoneHandler = std::function<void(HttpRequest&)>;
  using ErrorHandler = std::function<void(HttpRequest&, const std::string& message)>;
  using ProgressHandler = std::function<void(HttpRequest&, std::uint8_t percent)>;
  using ReceivingHandler = std::function<void(HttpRequest&)>;

  explicit HttpRequest(const RequestContext& context);
  ~HttpRequest();
  HttpRequest(const HttpRequest&) = delete;
  HttpRequest& operator=(const HttpRequest&) = delete;

  // Starts the request on its own thread. The worker owns itself from here on and is
  // destroyed when its thread ends, after the end notification; handlers must not keep a
  // reference to it beyond their own call.
  static void Start(std::unique_ptr<HttpRequest> worker);

  // Set by the creator.
  std::string Url;       // "http://host[:port]/path?query"; the scheme may be left out
  std::string Cookie;    // non-empty: sent as the Cookie header (line ends trimmed)
  std::string PostData;  // non-empty: POST with this form body, else GET
  std::string FileName;  // non-empty: the body goes to this file (Windows-1251 path)
  std::string ItemText;  // carried for the handlers
  std::int32_t ItemIndex = 0;
  DoneHandler OnDone;
  ErrorHandler OnError;
  ProgressHandler OnProgress;
  // Body bytes arrived but no progress can be reported (no declared length); as often as
  // OnProgress would be, so a caller can tell a live transfer from a silent one either way.
  ReceivingHandler OnReceiving;
  // A transfer that receives less than 1 KiB in this long has stalled and fails: a trickle
  // must not hold a slot for ever.
  std::chrono::seconds StallTimeout{60};
  // A body kept in memory that is declared or grows larger than this is refused.
  std::uint64_t MaxMemoryBody = std::uint64_t{16} << 20;
  // The body is a song: an empty answer or a web page is a failed transfer, not a file. Its
  // file replaces no other: FileName says, by OnDone, the name it really got.
  bool SongTransfer = false;

  // Set by the worker; read them in the handlers.
  std::int32_t StatusCode = 0;
  // The declared length; 1 when unknown or not asked for, never 0, so a handler may scale or
  // divide by it (the download list then shows 0 kilobytes).
  std::uint32_t ContentLength = 1;
  std::string Response;  // the body when FileName is empty
  std::uint64_t BytesReceived = 0;
  std::int32_t Percent = 0;
  std::string ErrorText;
  // Every response header line received, redirects included, without line ends.
  std::vector<std::string> ResponseHeaders;

 private:
  class Transfer;
  void Execute(Transfer& transfer);
  void ReportError(Transfer& transfer);

  RequestContext context_;
};

}  // namespace melvoro
