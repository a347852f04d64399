// Puts an answer on the wire, shaped by a fault or a rate limit.
#pragma once

#include <cstdint>

#include "netsim/response.h"

namespace melvoro::netsim {

struct Delivery {
  bool declare_length = true;    // send Content-Length (the whole body's size)
  std::uint64_t body_bytes = 0;  // how much of the body goes out
  bool hold_open = false;        // afterwards keep the connection until the client leaves
  bool head_only = false;        // a HEAD request: headers only
  std::uint64_t rate = 0;        // bytes per second; 0 sends as fast as the socket takes
};

// The plain delivery of a response: all of it, length declared.
Delivery FullDelivery(const Response& response);

// false when the client went away before everything was sent.
bool WriteResponse(int fd, const Response& response, const Delivery& delivery);

}  // namespace melvoro::netsim
