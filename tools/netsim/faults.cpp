#include "netsim/faults.h"

#include <algorithm>
#include <array>
#include <utility>

namespace melvoro::netsim {

namespace {

constexpr std::array<std::pair<std::string_view, FaultKind>, 7> kNames = {{
    {"404", FaultKind::kNotFound},
    {"500", FaultKind::kServerError},
    {"nolength", FaultKind::kNoLength},
    {"zerolength", FaultKind::kZeroLength},
    {"stall", FaultKind::kStall},
    {"cut", FaultKind::kCut},
    {"redirect", FaultKind::kRedirect},
}};

// The URL of the request as it was asked for, minus the fault: the rate stays.
std::string UrlWithoutFault(const Request& request, std::string_view fallback_host) {
  std::string url =
      "http://" + (request.host.empty() ? std::string(fallback_host) : request.host) + request.path;
  std::vector<std::string> pieces = request.query;
  if (!request.rate_piece.empty()) pieces.push_back(request.rate_piece);
  for (std::size_t i = 0; i < pieces.size(); ++i) url += (i == 0 ? "?" : "&") + pieces[i];
  // A header line must not be split by whatever control bytes the request carried.
  std::erase_if(url, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  return url;
}

}  // namespace

std::optional<FaultKind> ParseFaultKind(std::string_view name) {
  for (const auto& [text, kind] : kNames)
    if (text == name) return kind;
  return std::nullopt;
}

void ArmedFaults::Arm(std::string path_prefix, FaultKind kind, std::optional<long> count) {
  const std::lock_guard lock(mutex_);
  armed_.push_back({std::move(path_prefix), kind, count});
}

void ArmedFaults::Disarm() {
  const std::lock_guard lock(mutex_);
  armed_.clear();
}

FaultKind ArmedFaults::Take(std::string_view path) {
  const std::lock_guard lock(mutex_);
  // The earliest armed fault that covers the path wins.
  const auto it = std::find_if(armed_.begin(), armed_.end(),
                               [&](const Armed& a) { return path.substr(0, a.prefix.size()) == a.prefix; });
  if (it == armed_.end()) return FaultKind::kNone;
  const FaultKind kind = it->kind;
  if (it->left && --*it->left <= 0) armed_.erase(it);
  return kind;
}

std::optional<Response> FaultAnswer(FaultKind kind, const Request& request, std::string_view fallback_host) {
  switch (kind) {
    case FaultKind::kNotFound:
      return ErrorPage(404);
    case FaultKind::kServerError:
      return ErrorPage(500);
    case FaultKind::kRedirect: {
      const std::string location = UrlWithoutFault(request, fallback_host);
      Response r = ErrorPage(302, "The document has moved to " + location + ".");
      r.headers.emplace_back("Location", location);
      return r;
    }
    default:
      return std::nullopt;
  }
}

Delivery ShapeDelivery(FaultKind kind, Response& response) {
  Delivery delivery = FullDelivery(response);
  switch (kind) {
    case FaultKind::kNoLength:
      delivery.declare_length = false;
      break;
    case FaultKind::kZeroLength:
      response.body = Body::Text({});
      delivery.body_bytes = 0;
      break;
    case FaultKind::kStall:
      delivery.body_bytes = response.body.size() / 2;
      delivery.hold_open = true;
      break;
    case FaultKind::kCut:
      delivery.body_bytes = response.body.size() / 2;
      break;
    default:
      break;
  }
  return delivery;
}

}  // namespace melvoro::netsim
