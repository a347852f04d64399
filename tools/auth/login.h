// One log-in on the social network's login host through the program's request worker.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/http/hosts.h"
#include "core/http/http_request.h"

namespace melvoro::auth {

struct LoginResult {
  std::optional<std::string> Cookie;  // "remixsid=VALUE" on success
  std::string Error;                  // Windows-1251; empty when the site simply refused
};

// POSTs email and pass (Windows-1251) to http://<Login host>/?act=login and waits for the answer.
LoginResult LogIn(const Hosts& hosts, std::string_view email, std::string_view password);

// The same without waiting: done runs on the context's UI thread with the result, unless
// that thread shuts down first.
void StartLogIn(const Hosts& hosts, std::string_view email, std::string_view password,
                const RequestContext& context, std::function<void(LoginResult)> done);

// "remixsid=VALUE" from the last "Set-Cookie: remixsid=VALUE" with a value among the
// response header lines, redirects included; nothing when none sets one.
std::optional<std::string> SessionCookie(const std::vector<std::string>& header_lines);

}  // namespace melvoro::auth
