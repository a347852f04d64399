#include "login.h"

#include <chrono>
#include <memory>

#include "core/http/http_request.h"
#include "core/log/activity_indicator.h"
#include "core/os/console_message_boxes.h"
#include "core/os/event_loop.h"
#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"

namespace melvoro::auth {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::string> SessionCookie(const std::vector<std::string>& header_lines) {
  constexpr std::string_view kHeader = "set-cookie:";
  constexpr std::string_view kName = "remixsid=";
  std::optional<std::string> found;
  for (const std::string& line : header_lines) {
    if (line.size() < kHeader.size() || CyrLowerCase(line.substr(0, kHeader.size())) != kHeader) continue;
    std::string_view cookie = TrimBlanks(std::string_view(line).substr(kHeader.size()));
    if (!cookie.starts_with(kName)) continue;
    const std::string_view value = TrimBlanks(cookie.substr(kName.size(), cookie.find(';') - kName.size()));
    if (!value.empty()) found = std::string(kName) + std::string(value);
  }
  return found;
}

void StartLogIn(const Hosts& hosts, std::string_view email, std::string_view password,
                const RequestContext& context, std::function<void(LoginResult)> done) {
  auto worker = std::make_unique<HttpRequest>(context);
  worker->Url = "http://" + hosts.Login + "/?act=login";
  worker->PostData = "email=" + UrlEncode(email) + "&pass=" + UrlEncode(password);
  const auto finish = [done = std::move(done)](const HttpRequest& w, std::string error) {
    LoginResult result;
    result.Cookie = SessionCookie(w.ResponseHeaders);
    // A cookie set on the way still counts when the page after it fails.
    if (!result.Cookie) result.Error = std::move(error);
    done(std::move(result));
  };
  worker->OnDone = [finish](HttpRequest& w) { finish(w, {}); };
  worker->OnError = [finish](HttpRequest& w, const std::string& message) { finish(w, message); };
  HttpRequest::Start(std::move(worker));
}

LoginResult LogIn(const Hosts& hosts, std::string_view email, std::string_view password) {
  EventLoop loop;
  ActivityIndicator activity;
  ConsoleMessageBoxes boxes;  // never shown: the request has an error handler

  LoginResult result;
  StartLogIn(hosts, email, password, RequestContext{loop, activity, boxes},
             [&result](LoginResult answer) { result = std::move(answer); });
  // The worker's own connect and stall time-outs bound the wait.
  loop.RunUntil([&] { return loop.RunningWorkers() == 0; }, std::chrono::hours(24));
  return result;
}

}  // namespace melvoro::auth
