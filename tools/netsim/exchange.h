// One connection's exchange: read the request, log it, answer it, close.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "netsim/faults.h"
#include "netsim/request_log.h"

namespace melvoro::netsim {

// A real network's pace, for a demo where downloads must be seen under way; tests keep
// loopback speed.
struct Pacing {
  std::uint64_t song_rate = 0;          // bytes per second of each audio answer without a rate; 0: none
  std::chrono::milliseconds latency{};  // before every answer
};

// What all connections share.
struct Site {
  RequestLog* log = nullptr;  // nullptr: no log
  ArmedFaults faults;
  std::string own_address;  // "127.0.0.1:PORT", for a request that names no host
  Pacing pacing;
  std::string latest_version = "2.1.0";  // offered by the support server's version file
};

struct Answer {
  Response response;
  Delivery delivery;
};

// The answer to a complete, well-formed request, faults and rate applied.
Answer Respond(const Request& request, Site& site);

// Serves the connection; the caller closes the socket afterwards.
void ServeConnection(int fd, Site& site);

}  // namespace melvoro::netsim
