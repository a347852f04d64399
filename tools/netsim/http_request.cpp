#include "netsim/http_request.h"

namespace melvoro::netsim {

namespace {

constexpr std::string_view kFaultParam = "netsim_fault";
constexpr std::string_view kRateParam = "netsim_rate";

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view PieceName(std::string_view piece) { return piece.substr(0, piece.find('=')); }

std::string PieceValue(std::string_view piece) {
  const std::size_t eq = piece.find('=');
  return eq == std::string_view::npos ? std::string() : PercentDecode(piece.substr(eq + 1));
}

bool IsToken(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

// "METHOD TARGET HTTP/1.x", single spaces.
bool SplitRequestLine(Request& r) {
  const std::string_view line = r.request_line;
  const std::size_t first = line.find(' ');
  if (first == std::string_view::npos) return false;
  const std::size_t second = line.find(' ', first + 1);
  if (second == std::string_view::npos || line.find(' ', second + 1) != std::string_view::npos) return false;
  const std::string_view method = line.substr(0, first);
  const std::string_view target = line.substr(first + 1, second - first - 1);
  const std::string_view version = line.substr(second + 1);
  if (!IsToken(method) || target.empty() || version.size() != 8 || version.substr(0, 7) != "HTTP/1.")
    return false;
  r.method = method;
  r.target = target;
  return true;
}

// Fills host, path and query from the target; false when the target is of no form we serve.
bool SplitTarget(Request& r) {
  std::string_view rest = r.target;
  if (rest.size() > 7 && EqualsIgnoreCase(rest.substr(0, 7), "http://")) {
    rest.remove_prefix(7);
    const std::size_t end = rest.find_first_of("/?#");
    std::string_view authority = rest.substr(0, end);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos)
      authority.remove_prefix(at + 1);
    if (authority.empty()) return false;
    r.host = authority;
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
  } else if (rest.empty() || rest[0] != '/') {
    return false;
  } else if (const std::string* host = r.Header("Host")) {
    r.host = *host;
    while (!r.host.empty() && (r.host.back() == ' ' || r.host.back() == '\t')) r.host.pop_back();
  }
  rest = rest.substr(0, rest.find('#'));
  const std::size_t question = rest.find('?');
  r.path = rest.substr(0, question);
  if (r.path.empty() || r.path[0] != '/') r.path.insert(0, "/");
  if (question == std::string_view::npos) return true;

  std::string_view query = rest.substr(question + 1);
  while (!query.empty()) {
    const std::size_t amp = query.find('&');
    const std::string_view piece = query.substr(0, amp);
    query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
    if (piece.empty()) continue;
    if (PieceName(piece) == kFaultParam) {
      r.fault = PieceValue(piece);
    } else if (PieceName(piece) == kRateParam) {
      r.rate = PieceValue(piece);
      r.rate_piece = piece;
    } else {
      r.query.emplace_back(piece);
    }
  }
  return true;
}

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::string PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '+') {
      out += ' ';
    } else if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> FormValue(std::string_view form, std::string_view name) {
  while (!form.empty()) {
    const std::size_t amp = form.find('&');
    const std::string_view piece = form.substr(0, amp);
    if (PieceName(piece) == name) return PieceValue(piece);
    if (amp == std::string_view::npos) break;
    form.remove_prefix(amp + 1);
  }
  return std::nullopt;
}

const std::string* Request::Header(std::string_view name) const {
  for (const auto& [header, value] : headers)
    if (EqualsIgnoreCase(header, name)) return &value;
  return nullptr;
}

std::optional<std::string> Request::Param(std::string_view name) const {
  for (const auto& piece : query)
    if (PieceName(piece) == name) return PieceValue(piece);
  return std::nullopt;
}

Request ParseHead(std::string_view head) {
  Request r;
  bool first = true;
  while (!head.empty()) {
    const std::size_t nl = head.find('\n');
    std::string_view line = head.substr(0, nl);
    head = nl == std::string_view::npos ? std::string_view() : head.substr(nl + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      r.request_line = line;
      first = false;
      continue;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) {
      r.headers.emplace_back(line, "");
      if (r.error.empty()) r.error = "malformed header line";
      continue;
    }
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && (value[0] == ' ' || value[0] == '\t')) value.remove_prefix(1);
    r.headers.emplace_back(line.substr(0, colon), value);
  }
  if (!SplitRequestLine(r)) {
    r.error = "malformed request line";
  } else if (!SplitTarget(r)) {
    r.error = "unsupported request target";
  }
  return r;
}

}  // namespace melvoro::netsim
