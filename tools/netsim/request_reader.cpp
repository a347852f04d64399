#include "netsim/request_reader.h"

#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <string>

#include "netsim/socket_io.h"

namespace melvoro::netsim {

namespace {

using Status = IncomingRequest::Status;

constexpr std::size_t kMaxHeadBytes = 64 * 1024;
constexpr std::uint64_t kMaxBodyBytes = 64 * 1024 * 1024;
constexpr auto kIdleLimit = std::chrono::seconds(30);

enum class Read { kData, kClosed, kTimedOut };

Read ReadMore(int fd, std::string& buffer) {
  if (!WaitReadable(fd, kIdleLimit)) return Read::kTimedOut;
  char chunk[16 * 1024];
  while (true) {
    const ssize_t n = recv(fd, chunk, sizeof chunk, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Read::kClosed;
    buffer.append(chunk, static_cast<std::size_t>(n));
    return Read::kData;
  }
}

// Where the empty line that ends the head starts, and where the body begins; lines may end
// in CR LF or a bare LF.
bool FindHeadEnd(const std::string& buffer, std::size_t from, std::size_t& head_end,
                 std::size_t& body_start) {
  for (std::size_t nl = buffer.find('\n', from); nl != std::string::npos; nl = buffer.find('\n', nl + 1)) {
    if (nl + 1 < buffer.size() && buffer[nl + 1] == '\n') {
      head_end = nl;
      body_start = nl + 2;
      return true;
    }
    if (nl + 2 < buffer.size() && buffer[nl + 1] == '\r' && buffer[nl + 2] == '\n') {
      head_end = nl;
      body_start = nl + 3;
      return true;
    }
  }
  return false;
}

std::size_t SkipLeadingLineEnds(const std::string& buffer) {
  const std::size_t first = buffer.find_first_not_of("\r\n");
  return first == std::string::npos ? buffer.size() : first;
}

Status Unfinished(Read read) { return read == Read::kTimedOut ? Status::kTimedOut : Status::kIncomplete; }

}  // namespace

IncomingRequest ReadRequest(int fd) {
  IncomingRequest in;
  std::string buffer;
  std::size_t head_end = 0;
  std::size_t body_start = 0;
  while (true) {
    const std::size_t start = SkipLeadingLineEnds(buffer);
    if (FindHeadEnd(buffer, start, head_end, body_start)) break;
    if (buffer.size() > kMaxHeadBytes) {
      in.request = ParseHead(std::string_view(buffer).substr(start));
      in.status = Status::kHeadTooLarge;
      return in;
    }
    const Read read = ReadMore(fd, buffer);
    if (read != Read::kData) {
      if (SkipLeadingLineEnds(buffer) == buffer.size()) return in;  // nothing worth logging
      in.request = ParseHead(std::string_view(buffer).substr(SkipLeadingLineEnds(buffer)));
      in.status = Unfinished(read);
      return in;
    }
  }
  const std::size_t start = SkipLeadingLineEnds(buffer);
  in.request = ParseHead(std::string_view(buffer).substr(start, head_end - start));
  Request& request = in.request;

  std::uint64_t length = 0;
  if (const std::string* value = request.Header("Content-Length")) {
    const std::string_view digits = *value;
    if (digits.empty() || digits.size() > 18 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
      in.status = Status::kBadLength;
      return in;
    }
    length = std::stoull(std::string(digits));
  } else if (request.Header("Transfer-Encoding")) {
    in.status = Status::kBadLength;
    return in;
  }
  if (length > kMaxBodyBytes) {
    in.status = Status::kBodyTooLarge;
    return in;
  }
  buffer.erase(0, body_start);
  // A client that asks first (curl does for bigger bodies) would otherwise wait a second.
  const std::string* expect = request.Header("Expect");
  if (buffer.size() < length && expect && EqualsIgnoreCase(*expect, "100-continue"))
    SendAll(fd, "HTTP/1.1 100 Continue\r\n\r\n");
  while (buffer.size() < length) {
    const Read read = ReadMore(fd, buffer);
    if (read != Read::kData) {
      request.body = std::move(buffer);
      in.status = Unfinished(read);
      return in;
    }
  }
  buffer.resize(static_cast<std::size_t>(length));
  request.body = std::move(buffer);
  in.status = Status::kComplete;
  return in;
}

}  // namespace melvoro::netsim
