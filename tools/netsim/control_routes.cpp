#include "netsim/control_routes.h"

#include <cstdint>
#include <optional>
#include <string>

#include "netsim/faults.h"
#include "netsim/mp3_frames.h"

namespace melvoro::netsim {

namespace {

constexpr std::uint64_t kMaxBlobBytes = std::uint64_t{1} << 40;

std::optional<std::uint64_t> Number(const std::optional<std::string>& text) {
  if (!text || text->empty() || text->size() > 15 ||
      text->find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoull(*text);
}

}  // namespace

bool IsFaultControlPath(std::string_view path) { return path == "/_netsim/arm" || path == "/_netsim/disarm"; }

Response ArmFault(const RouteContext& context) {
  const Request& request = context.request;
  const std::optional<std::string> prefix = request.Param("path");
  const std::optional<FaultKind> kind = ParseFaultKind(request.Param("fault").value_or(""));
  if (!prefix || !kind || *kind == FaultKind::kNone)
    return ErrorPage(400, "arm needs path=PREFIX and fault=KIND");
  std::optional<long> count;
  if (request.Param("count")) {
    const std::optional<std::uint64_t> n = Number(request.Param("count"));
    if (!n || *n == 0 || *n > 1000000000) return ErrorPage(400, "count must be a positive number");
    count = static_cast<long>(*n);
  }
  context.faults.Arm(*prefix, *kind, count);
  return PlainText("ok");
}

Response DisarmFaults(const RouteContext& context) {
  context.faults.Disarm();
  return PlainText("ok");
}

Response Blob(const RouteContext& context) {
  const std::optional<std::uint64_t> bytes = Number(context.request.Param("bytes"));
  if (!bytes || *bytes > kMaxBlobBytes) return ErrorPage(400, "blob needs bytes=N");
  Response response;
  response.content_type = kMp3Type;
  response.body = Body::Frames(*bytes);
  return response;
}

}  // namespace melvoro::netsim
