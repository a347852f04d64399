// Reads one request from a connection: the head up to the empty line, then a body of
// Content-Length bytes.
#pragma once

#include "netsim/http_request.h"

namespace melvoro::netsim {

struct IncomingRequest {
  enum class Status {
    kComplete,
    kNothing,     // the client closed or went quiet before sending a byte
    kIncomplete,  // the client closed midway
    kTimedOut,    // the client went quiet midway
    kHeadTooLarge,
    kBodyTooLarge,
    kBadLength,  // a Content-Length that is not a number, or a body without one
  };
  Status status = Status::kNothing;
  Request request;  // as far as it arrived
};

IncomingRequest ReadRequest(int fd);

}  // namespace melvoro::netsim
