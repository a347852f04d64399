// Faults a test asks for: by a query parameter on one request, or armed for every request
// under a path.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "netsim/http_request.h"
#include "netsim/response.h"
#include "netsim/response_writer.h"

namespace melvoro::netsim {

enum class FaultKind { kNone, kNotFound, kServerError, kNoLength, kZeroLength, kStall, kCut, kRedirect };

// "404", "500", "nolength", "zerolength", "stall", "cut", "redirect".
std::optional<FaultKind> ParseFaultKind(std::string_view name);

// Shared by all connections.
class ArmedFaults {
 public:
  // count: how many requests get it; nullopt until disarmed.
  void Arm(std::string path_prefix, FaultKind kind, std::optional<long> count);
  void Disarm();
  // The fault the next request on that path gets (using up one of its count), or kNone.
  FaultKind Take(std::string_view path);

 private:
  struct Armed {
    std::string prefix;
    FaultKind kind;
    std::optional<long> left;
  };
  std::mutex mutex_;
  std::vector<Armed> armed_;
};

// The answer a fault gives instead of the route's (404, 500, redirect), or nullopt for the
// faults that change how the route's own answer is sent. fallback_host names this server
// for a request that named no host.
std::optional<Response> FaultAnswer(FaultKind kind, const Request& request, std::string_view fallback_host);

// How the route's answer goes out under the fault; may empty the body (zerolength).
Delivery ShapeDelivery(FaultKind kind, Response& response);

}  // namespace melvoro::netsim
