#include "netsim/exchange.h"

#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "netsim/control_routes.h"
#include "netsim/request_reader.h"
#include "netsim/router.h"
#include "netsim/socket_io.h"

namespace melvoro::netsim {

namespace {

Answer Plain(Response response) {
  Delivery delivery = FullDelivery(response);
  return {std::move(response), delivery};
}

std::optional<std::uint64_t> RateOf(const Request& request) {
  const std::string& text = request.rate;
  if (text.empty()) return 0;
  if (text.size() > 15 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const std::uint64_t rate = std::stoull(text);
  if (rate == 0) return std::nullopt;
  return rate;
}

// The answer when the request cannot be served as asked.
std::optional<Response> Refusal(IncomingRequest::Status status, const Request& request) {
  using Status = IncomingRequest::Status;
  switch (status) {
    case Status::kComplete:
      if (!request.error.empty()) return ErrorPage(400, request.error);
      return std::nullopt;
    case Status::kTimedOut:
      return ErrorPage(408);
    case Status::kHeadTooLarge:
      return ErrorPage(431);
    case Status::kBodyTooLarge:
      return ErrorPage(413);
    case Status::kBadLength:
      return ErrorPage(411, "a request body needs a numeric Content-Length");
    case Status::kNothing:
    case Status::kIncomplete:
      break;
  }
  return std::nullopt;
}

}  // namespace

Answer Respond(const Request& request, Site& site) {
  FaultKind fault = FaultKind::kNone;
  if (!request.fault.empty()) {
    const std::optional<FaultKind> kind = ParseFaultKind(request.fault);
    if (!kind) return Plain(ErrorPage(400, "unknown netsim_fault"));
    fault = *kind;
  } else if (!IsFaultControlPath(request.path)) {
    fault = site.faults.Take(request.path);
  }
  const std::optional<std::uint64_t> rate = RateOf(request);
  if (!rate) return Plain(ErrorPage(400, "netsim_rate must be a positive number"));

  // A request that named no host reached this server by its address.
  const HostInfo host = RecognizeHost(request.host.empty() ? site.own_address : request.host);
  std::optional<Response> response = FaultAnswer(fault, request, site.own_address);
  if (!response) response = Dispatch({request, host, site.faults, site.latest_version});
  if (!response) response = ErrorPage(404, "No route for " + request.path);

  Answer answer{std::move(*response), {}};
  answer.delivery = ShapeDelivery(fault, answer.response);
  answer.delivery.rate = *rate;
  // A rate the request asks for wins over the pace.
  if (*rate == 0 && answer.response.content_type == kMp3Type) answer.delivery.rate = site.pacing.song_rate;
  answer.delivery.head_only = request.method == "HEAD";
  return answer;
}

void ServeConnection(int fd, Site& site) {
  TuneConnection(fd);
  IncomingRequest in = ReadRequest(fd);
  if (in.status == IncomingRequest::Status::kNothing) return;
  if (site.log) site.log->Write(in.request);
  if (in.status == IncomingRequest::Status::kIncomplete) return;

  const std::optional<Response> refusal = Refusal(in.status, in.request);
  const Answer answer = refusal ? Plain(*refusal) : Respond(in.request, site);
  if (site.pacing.latency.count() > 0) std::this_thread::sleep_for(site.pacing.latency);
  if (WriteResponse(fd, answer.response, answer.delivery)) FinishSending(fd);
}

}  // namespace melvoro::netsim
