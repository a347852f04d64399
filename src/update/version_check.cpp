#include "update/version_check.h"

#include <optional>
#include <vector>

#include "core/http/http_request.h"
#include "core/log/activity_indicator.h"
#include "core/os/console_message_boxes.h"
#include "core/os/event_loop.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

constexpr std::size_t kMaxComponents = 8;
constexpr std::size_t kMaxDigits = 9;
// A version file is two short lines; anything much larger is not one.
constexpr std::uint64_t kMaxBody = 4096;
constexpr std::size_t kMaxUrl = 1000;

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

std::string_view WithoutCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The URL is shown as it stands: no control characters, spaces or bytes beyond ASCII.
bool IsPrintableUrl(std::string_view url) {
  if (url.empty() || url.size() > kMaxUrl) return false;
  for (const char c : url)
    if (c <= ' ' || c > '~') return false;
  return true;
}

UpdateCheckResult Failed(std::string_view why) {
  UpdateCheckResult result;
  result.Message = std::string(texts::kUpdateCheckFailed) + std::string(why);
  return result;
}

}  // namespace

std::string VersionFileUrl(const Hosts& hosts) {
  return "http://" + hosts.Support + "/melvoro/update/version.txt";
}

bool IsVersion(std::string_view text) {
  const auto parts = Split(text, '.');
  if (parts.size() > kMaxComponents) return false;
  for (const std::string_view part : parts)
    if (part.empty() || part.size() > kMaxDigits ||
        part.find_first_not_of("0123456789") != std::string_view::npos)
      return false;
  return true;
}

int CompareVersions(std::string_view a, std::string_view b) {
  const auto left = Split(a, '.');
  const auto right = Split(b, '.');
  for (std::size_t i = 0; i < left.size() || i < right.size(); ++i) {
    const auto number = [](const std::vector<std::string_view>& parts, std::size_t n) {
      std::uint64_t value = 0;
      if (n < parts.size())
        for (const char c : parts[n]) value = value * 10 + static_cast<std::uint64_t>(c - '0');
      return value;
    };
    const std::uint64_t x = number(left, i), y = number(right, i);
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

UpdateCheckResult ReadVersionFile(std::string_view body, std::string_view own_version) {
  const auto lines = Split(body, '\n');
  const std::string_view latest = WithoutCr(lines[0]);
  const std::string_view url = lines.size() > 1 ? WithoutCr(lines[1]) : std::string_view{};
  if (!IsVersion(latest) || !IsPrintableUrl(url)) return Failed(texts::kUpdateBadVersionFile);
  UpdateCheckResult result;
  result.Latest = latest;
  result.Url = url;
  if (CompareVersions(latest, own_version) > 0) {
    result.outcome = UpdateCheckResult::Outcome::kNewer;
    result.Message = std::string(texts::kUpdateAvailable) + result.Latest + std::string(texts::kUpdateYours) +
                     std::string(own_version) + std::string(texts::kUpdateGetItAt) + result.Url;
  } else {
    result.outcome = UpdateCheckResult::Outcome::kNewest;
    result.Message = std::string(texts::kUpdateNewest) + std::string(own_version);
  }
  return result;
}

UpdateCheckResult CheckForUpdate(const Hosts& hosts, std::string_view own_version,
                                 std::chrono::milliseconds deadline) {
  EventLoop loop;
  ActivityIndicator activity;
  ConsoleMessageBoxes boxes;  // unused: the worker has its own error handler
  std::optional<UpdateCheckResult> result;
  auto worker = std::make_unique<HttpRequest>(RequestContext{loop, activity, boxes});
  worker->Url = VersionFileUrl(hosts);
  worker->MaxMemoryBody = kMaxBody;
  worker->OnDone = [&](HttpRequest& done) { result = ReadVersionFile(done.Response, own_version); };
  worker->OnError = [&](HttpRequest&, const std::string& message) { result = Failed(message); };
  HttpRequest::Start(std::move(worker));
  // The worker's last word is the end of its activity; it must be heard before the loop goes.
  // Header lines and trickles keep a request from counting as stalled, so only a deadline of
  // its own bounds the check.
  const bool ended = loop.RunUntil([&] { return result.has_value() && !activity.Active(); }, deadline);
  if (!ended) loop.Shutdown();  // aborts the worker and waits for it, before what it points to goes
  return result.value_or(
      Failed(ended ? std::string_view(texts::kErrUnknown) : std::string_view(texts::kErrNoAnswer)));
}

}  // namespace melvoro
