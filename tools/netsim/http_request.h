// A request as it arrived on the wire, and what routing needs to know about it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace melvoro::netsim {

using HeaderList = std::vector<std::pair<std::string, std::string>>;

struct Request {
  // Exactly as received: the request line without its line end; headers in order, values
  // without the leading blanks and the line end.
  std::string request_line;
  HeaderList headers;
  std::string body;

  std::string method;
  std::string target;
  std::string host;                // from an absolute target, else the Host header; may carry ":port"
  std::string path;                // the target's path, without the query
  std::vector<std::string> query;  // raw "name=value" pieces, netsim's own parameters taken out
  std::string fault;               // the decoded netsim_fault value, empty when none
  std::string rate;                // the decoded netsim_rate value, empty when none
  std::string rate_piece;          // its raw piece, which a redirect keeps
  std::string error;               // why the request cannot be served; empty when it can

  // The value of the first header of that name (case-insensitive), or nullptr.
  const std::string* Header(std::string_view name) const;
  // The decoded value of the first query parameter of that name.
  std::optional<std::string> Param(std::string_view name) const;
};

// Parses the head of a request: the request line and the header lines, without the empty
// line that ends them. Faults in it are reported in Request::error.
Request ParseHead(std::string_view head);

// %XX becomes the byte, "+" a space; a "%" without two hex digits stays as it is.
std::string PercentDecode(std::string_view text);

// The decoded value of `name` in "a=1&b=2" text, as query strings and form bodies carry it.
std::optional<std::string> FormValue(std::string_view form, std::string_view name);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace melvoro::netsim
