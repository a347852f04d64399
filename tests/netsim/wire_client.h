// A raw-socket HTTP client for netsim's tests: exact bytes out, everything that comes back.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace melvoro::test {

struct WireReply {
  int status = 0;
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
  bool closed = false;  // the server closed the connection before the time-out

  bool Has(std::string_view name) const;
  std::string Header(std::string_view name) const;
};

// Sends the bytes to 127.0.0.1:port and reads until the server closes or the time-out passes.
WireReply Exchange(int port, std::string_view request,
                   std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));

// "GET target HTTP/1.0" with a Host header (when host is not empty) and extra header lines,
// each ending in CR LF.
WireReply Get(int port, std::string_view target, std::string_view host = {},
              std::string_view extra_headers = {});

// The header lines of a session.
inline constexpr std::string_view kSessionCookie = "Cookie: remixsid=4f2a9c0e1b7d\r\n";

}  // namespace melvoro::test
