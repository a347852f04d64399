#include "core/http/http_request.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <exception>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

#include "core/http/http_answer.h"
#include "core/http/part_file.h"
#include "core/log/activity_indicator.h"
#include "core/os/message_box.h"
#include "core/os/ui_thread.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

constexpr long kConnectTimeoutMs = 10'000;
constexpr long kMaxRedirects = 10;
constexpr long kReceiveBuffer = 100 * 1024;  // what the curl command uses; 16 KiB halves throughput
constexpr auto kProgressInterval = std::chrono::milliseconds(300);
// Less than this in a stall window is a stall, however steadily it trickles.
constexpr std::uint64_t kStallBytes = 1024;
// Far above any session cookie; libcurl itself fails a request line of a megabyte as "out of memory".
constexpr std::size_t kMaxCookie = 64 * 1024;

// The UI thread is shutting down: no notification may run any more.
struct Cancelled {};

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    std::signal(SIGPIPE, SIG_IGN);
  });
}

// n * 102400 / length, rounded half to even, never above 100.
std::int32_t ProgressPercent(std::uint64_t bytes, std::uint64_t length) {
  // The percent counts 1024-byte reads, the one under way included, as it always has, so
  // users see the same figures for the same file.
  const std::uint64_t reads = bytes / 1024 + 1;
  const std::uint64_t scaled = reads * 102400;  // reads back to bytes (1024), and as a percent (100)
  std::uint64_t percent = scaled / length;
  const std::uint64_t remainder = scaled % length;
  if (remainder * 2 > length || (remainder * 2 == length && percent % 2 == 1)) ++percent;
  return static_cast<std::int32_t>(std::min<std::uint64_t>(percent, 100));
}

// Whether the process can open no further descriptor right now: then that is why a socket
// or a file could not be had, whatever error it surfaced as.
bool OutOfDescriptors() {
  const int fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    close(fd);
    return false;
  }
  return errno == EMFILE || errno == ENFILE;
}

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct SlistDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

// The libcurl side of one request, on the worker thread.
class HttpRequest::Transfer {
 public:
  Transfer(HttpRequest& worker, UiThread::WorkerLink& link) : worker_(worker), link_(link) {}

  // Runs fn on the UI thread; throws Cancelled when the UI thread is gone.
  void OnUi(const std::function<void()>& fn) {
    if (!link_.RunAndWait(fn)) throw Cancelled{};
  }

  // The request itself, up to the done notification. Throws on any failure.
  void Perform() {
    HttpRequest& w = worker_;
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
      throw std::runtime_error(std::string(OutOfDescriptors() ? std::string_view(texts::kErrNoDescriptors)
                                                              : std::string_view(texts::kErrNoInternet)));
    curl_ = curl.get();

    const std::optional<std::string> url = RequestUrl(w.Url);
    if (!url) throw std::runtime_error(std::string(texts::kErrBadAddress) + w.Url);
    std::unique_ptr<curl_slist, SlistDeleter> headers;
    AddHeader(headers, "Accept:");  // the platform client sent no accept types
    AddHeader(headers, "Content-Type: application/x-www-form-urlencoded");
    if (w.Cookie.size() > kMaxCookie)
      throw std::runtime_error(std::string(texts::kErrCookieTooLong) + std::to_string(w.Cookie.size()));
    if (!w.Cookie.empty()) AddHeader(headers, "Cookie: " + CookieHeaderValue(w.Cookie));

    curl_easy_setopt(curl_, CURLOPT_URL, url->c_str());
    curl_easy_setopt(curl_, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl_, CURLOPT_REDIR_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl_, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl_, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(curl_, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(curl_, CURLOPT_USERAGENT, "Firefox 3.0");
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(curl_, CURLOPT_BUFFERSIZE, kReceiveBuffer);
    if (!w.PostData.empty()) {
      curl_easy_setopt(curl_, CURLOPT_POST, 1L);
      curl_easy_setopt(curl_, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(w.PostData.size()));
      curl_easy_setopt(curl_, CURLOPT_POSTFIELDS, w.PostData.data());
    }
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &Transfer::OnBody);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(curl_, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
    curl_easy_setopt(curl_, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(curl_, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, &Transfer::OnTick);
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, this);

    if (!w.FileName.empty()) {
      try {
        file_.emplace(w.FileName);
      } catch (const std::runtime_error&) {
        if (OutOfDescriptors()) throw std::runtime_error(std::string(texts::kErrNoDescriptors));
        throw;
      }
    }
    w.ContentLength = 1;

    stall_mark_time_ = std::chrono::steady_clock::now();
    const CURLcode rc = curl_easy_perform(curl_);
    if (callback_error_) std::rethrow_exception(callback_error_);
    if (link_.AbortRequested()) throw Cancelled{};
    if (stalled_)
      throw std::runtime_error(
          std::string(response_started_ ? std::string_view(texts::kErrStalled) : texts::kErrNoAnswer));
    if (rc != CURLE_OK) throw std::runtime_error(MessageFor(rc));
    // libcurl takes a connection closed inside the headers for a whole answer with no body.
    if (header_open_)
      throw std::runtime_error(std::string(texts::kErrTransferCut) + std::to_string(w.BytesReceived));

    if (w.OnProgress) {
      w.Percent = 100;
      OnUi([&] { w.OnProgress(w, 100); });
    }
    long status = 0;
    curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &status);
    w.StatusCode = static_cast<std::int32_t>(status);
    if (w.StatusCode != 200)
      throw std::runtime_error(std::string(texts::kErrBadStatus) + std::to_string(w.StatusCode));
    if (w.SongTransfer) CheckIsSong();
    // Only a complete 200 answer takes the target's name; a song never replaces another file.
    if (file_ && w.SongTransfer) w.FileName = file_->CommitKeepingOthers();
    if (file_ && !w.SongTransfer) file_->Commit();
    if (w.OnDone) OnUi([&] { w.OnDone(w); });
  }

  // Removes an unfinished temporary file before anyone is told of the failure.
  void Discard() { file_.reset(); }

 private:
  // A 200 answer that is empty or a web page (a login or error page served with 200) must
  // not stand in for a song.
  void CheckIsSong() const {
    if (worker_.BytesReceived == 0) throw std::runtime_error(std::string(texts::kErrEmptySong));
    const char* type = nullptr;
    curl_easy_getinfo(curl_, CURLINFO_CONTENT_TYPE, &type);
    if (LooksLikePage(type != nullptr ? type : "", first_byte_))
      throw std::runtime_error(std::string(texts::kErrPageNotSong));
  }

  static void AddHeader(std::unique_ptr<curl_slist, SlistDeleter>& list, const std::string& line) {
    curl_slist* grown = curl_slist_append(list.get(), line.c_str());
    if (!grown) throw std::bad_alloc();
    list.release();
    list.reset(grown);
  }

  static size_t OnBody(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    const size_t bytes = size * count;
    try {
      t->Received(data, bytes);
      return bytes;
    } catch (...) {
      // Nothing may unwind through libcurl; the error is raised again after it returns.
      t->callback_error_ = std::current_exception();
      return CURL_WRITEFUNC_ERROR;
    }
  }

  static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    const size_t bytes = size * count;
    const std::string_view line = HeaderLine(std::string_view(data, bytes));
    try {
      if (!line.empty()) t->worker_.ResponseHeaders.emplace_back(line);
      t->header_open_ = !line.empty();  // a block ends with its empty line
      t->response_started_ = true;
      t->Arrived(bytes);
    } catch (...) {
      t->callback_error_ = std::current_exception();
      return 0;
    }
    return bytes;
  }

  // libcurl calls this often while data flows and about once a second when idle. A stall is
  // a whole StallTimeout since the last full kilobyte arrived: then less than a kilobyte came
  // in the last StallTimeout, whether nothing came or a trickle.
  static int OnTick(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(self);
    if (t->link_.AbortRequested()) return 1;
    if (std::chrono::steady_clock::now() - t->stall_mark_time_ > t->worker_.StallTimeout) {
      t->stalled_ = true;
      return 1;
    }
    return 0;
  }

  // Header and body bytes alike keep a transfer from counting as stalled.
  void Arrived(std::size_t bytes) {
    arrived_ += bytes;
    if (arrived_ - stall_mark_bytes_ < kStallBytes) return;
    stall_mark_bytes_ = arrived_;
    stall_mark_time_ = std::chrono::steady_clock::now();
  }

  void Received(const char* data, size_t bytes) {
    HttpRequest& w = worker_;
    Arrived(bytes);
    if (!length_checked_) {
      length_checked_ = true;
      if (bytes > 0) first_byte_ = data[0];
      // A declared length of 0 says nothing about a body that is arriving: treat it as unknown.
      curl_off_t length = -1;
      if (curl_easy_getinfo(curl_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) length = -1;
      // Refused before a byte of it is held.
      if (!file_ && length > 0 && static_cast<std::uint64_t>(length) > w.MaxMemoryBody) TooLarge();
      if (w.OnProgress && length > 0) {
        declared_length_ = static_cast<std::uint64_t>(length);
        w.ContentLength = static_cast<std::uint32_t>(std::min<std::uint64_t>(declared_length_, UINT32_MAX));
      }
    }
    if (file_) {
      file_->Write(data, bytes);
    } else {
      if (w.Response.size() + bytes > w.MaxMemoryBody) TooLarge();
      w.Response.append(data, bytes);
    }
    w.BytesReceived += bytes;

    const bool measured = w.OnProgress && declared_length_ != 0;
    if (!measured && !w.OnReceiving) return;
    const auto now = std::chrono::steady_clock::now();
    if (last_report_ && now - *last_report_ <= kProgressInterval) return;
    last_report_ = now;
    if (!measured) {
      OnUi([&] { w.OnReceiving(w); });
      return;
    }
    w.Percent = ProgressPercent(w.BytesReceived, declared_length_);
    const auto percent = static_cast<std::uint8_t>(w.Percent);
    OnUi([&] { w.OnProgress(w, percent); });
  }

  [[noreturn]] void TooLarge() const {
    throw std::runtime_error(std::string(texts::kErrBodyTooLarge) + std::to_string(worker_.MaxMemoryBody));
  }

  std::string MessageFor(CURLcode rc) const {
    if (OutOfDescriptors()) return std::string(texts::kErrNoDescriptors);
    switch (rc) {
      case CURLE_COULDNT_RESOLVE_HOST:
      case CURLE_COULDNT_RESOLVE_PROXY:
      case CURLE_COULDNT_CONNECT:
      case CURLE_SEND_ERROR:
      case CURLE_OPERATION_TIMEDOUT:  // only the connect has a libcurl time-out
        return std::string(texts::kErrNoConnection);
      case CURLE_GOT_NOTHING:  // connected, and the server closed without a word
        return std::string(texts::kErrNoAnswer);
      case CURLE_WEIRD_SERVER_REPLY:
        return std::string(texts::kErrNotHttp);
      case CURLE_OUT_OF_MEMORY:
        return std::string(texts::kErrOutOfMemory);
      case CURLE_PARTIAL_FILE:
      case CURLE_RECV_ERROR:
        if (!response_started_) return std::string(texts::kErrNoConnection);
        return std::string(texts::kErrTransferCut) + std::to_string(worker_.BytesReceived);
      case CURLE_TOO_MANY_REDIRECTS:
        return std::string(texts::kErrTooManyRedirects);
      case CURLE_UNSUPPORTED_PROTOCOL:
        // The address itself was checked before the request: a redirect elsewhere than plain
        // HTTP, or an answer in no HTTP version (HTTP/0.9 is refused).
        if (const std::string target = LastLocation(worker_.ResponseHeaders); !target.empty())
          return std::string(texts::kErrRedirectRefused) + target;
        return std::string(texts::kErrNotHttp);
      case CURLE_URL_MALFORMAT:
        return std::string(texts::kErrBadAddress) + worker_.Url;
      default:
        return std::string(texts::kErrNetwork) + curl_easy_strerror(rc);
    }
  }

  HttpRequest& worker_;
  UiThread::WorkerLink& link_;
  CURL* curl_ = nullptr;
  std::optional<PartFile> file_;
  std::exception_ptr callback_error_;
  bool length_checked_ = false;
  bool response_started_ = false;
  bool stalled_ = false;
  bool header_open_ = false;   // a header block began and its empty line has not come
  std::uint64_t arrived_ = 0;  // header and body bytes
  std::uint64_t stall_mark_bytes_ = 0;
  std::chrono::steady_clock::time_point stall_mark_time_;
  char first_byte_ = 0;
  std::uint64_t declared_length_ = 0;  // 0: unknown
  std::optional<std::chrono::steady_clock::time_point> last_report_;
};

HttpRequest::HttpRequest(const RequestContext& context) : context_(context) {}

HttpRequest::~HttpRequest() = default;

void HttpRequest::Start(std::unique_ptr<HttpRequest> worker) {
  InitCurlOnce();
  auto link = worker->context_.ui.AttachWorker();
  std::thread([worker = std::move(worker), link = std::move(link)]() mutable {
    {
      Transfer transfer(*worker, *link);
      worker->Execute(transfer);
    }
    worker.reset();  // freed before the link goes, so shutdown waits for it
  }).detach();
}

void HttpRequest::Execute(Transfer& transfer) {
  try {
    transfer.OnUi([&] { context_.activity.ActivityBegin(); });
    try {
      transfer.Perform();
    } catch (const Cancelled&) {
      transfer.Discard();
      throw;
    } catch (const std::bad_alloc&) {
      transfer.Discard();
      ErrorText = std::string(texts::kErrOutOfMemory);
      ReportError(transfer);
    } catch (const std::exception& e) {
      transfer.Discard();
      ErrorText = e.what();
      ReportError(transfer);
    } catch (...) {
      transfer.Discard();
      ErrorText = std::string(texts::kErrUnknown);
      ReportError(transfer);
    }
    transfer.OnUi([&] { context_.activity.ActivityEnd(); });
  } catch (const Cancelled&) {
    // The program is closing: nobody is left to tell.
  }
  Response.clear();
  Response.shrink_to_fit();
}

void HttpRequest::ReportError(Transfer& transfer) {
  try {
    transfer.OnUi([&] {
      if (OnError) {
        OnError(*this, ErrorText);
      } else {
        context_.boxes.Show(std::string(texts::kDefaultRequestErrorCaption), ErrorText, MessageIcon::Error);
      }
    });
  } catch (const Cancelled&) {
    throw;
  } catch (...) {
    // An error handler that fails itself has nobody left to report to; the end still runs.
  }
}

}  // namespace melvoro
