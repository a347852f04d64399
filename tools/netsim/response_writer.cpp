#include "netsim/response_writer.h"

#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "netsim/socket_io.h"

namespace melvoro::netsim {

namespace {

constexpr std::size_t kSliceBytes = 1024 * 1024;
constexpr int kRateTicksPerSecond = 20;
constexpr auto kStallLimit = std::chrono::seconds(120);
constexpr std::size_t kCoalesceBytes = 64 * 1024;  // a body this small goes out with the headers

std::string StatusAndHeaders(const Response& response, const Delivery& delivery) {
  std::string head = "HTTP/1.0 " + std::to_string(response.status) + " ";
  head.append(ReasonPhrase(response.status));
  head += "\r\nContent-Type: " + response.content_type + "\r\n";
  if (delivery.declare_length) head += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
  for (const auto& [name, value] : response.headers) head += name + ": " + value + "\r\n";
  head += "Connection: close\r\n\r\n";
  return head;
}

bool SendRange(int fd, const Body& body, std::uint64_t from, std::uint64_t to) {
  while (from < to) {
    const std::string_view slice =
        body.Slice(from, static_cast<std::size_t>(std::min<std::uint64_t>(to - from, kSliceBytes)));
    if (slice.empty() || !SendAll(fd, slice)) return false;
    from += slice.size();
  }
  return true;
}

// Sends in small steps so that the rate holds on average and the client sees the body arrive
// spread over time.
bool SendAtRate(int fd, const Body& body, std::uint64_t bytes, std::uint64_t rate) {
  const auto start = std::chrono::steady_clock::now();
  std::uint64_t sent = 0;
  for (std::uint64_t tick = 1; sent < bytes; ++tick) {
    const std::uint64_t due = std::min(bytes, rate * tick / kRateTicksPerSecond);
    if (due > sent) {
      if (!SendRange(fd, body, sent, due)) return false;
      sent = due;
    }
    if (sent < bytes)
      std::this_thread::sleep_until(start + tick * std::chrono::milliseconds(1000 / kRateTicksPerSecond));
  }
  return true;
}

}  // namespace

Delivery FullDelivery(const Response& response) {
  Delivery delivery;
  delivery.body_bytes = response.body.size();
  return delivery;
}

bool WriteResponse(int fd, const Response& response, const Delivery& delivery) {
  std::string head = StatusAndHeaders(response, delivery);
  const std::uint64_t bytes = delivery.head_only ? 0 : std::min(delivery.body_bytes, response.body.size());
  std::uint64_t sent = 0;
  // One send for headers and a small body: no wait for a delayed acknowledgement between them.
  if (delivery.rate == 0 && bytes <= kCoalesceBytes) {
    const std::string_view body = response.body.Slice(0, static_cast<std::size_t>(bytes));
    head.append(body);
    sent = body.size();
  }
  if (!SendAll(fd, head)) return false;
  bool complete = true;
  if (sent < bytes)
    complete = delivery.rate == 0 ? SendRange(fd, response.body, sent, bytes)
                                  : SendAtRate(fd, response.body, bytes, delivery.rate);
  if (complete && delivery.hold_open) HoldUntilPeerLeaves(fd, kStallLimit);
  return complete;
}

}  // namespace melvoro::netsim
