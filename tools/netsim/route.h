// What a route handler gets and how routes are listed.
#pragma once

#include <string_view>

#include "netsim/host_roles.h"
#include "netsim/http_request.h"
#include "netsim/response.h"

namespace melvoro::netsim {

class ArmedFaults;

struct RouteContext {
  const Request& request;
  const HostInfo& host;
  ArmedFaults& faults;
  std::string_view latest_version;  // what the support server's version file offers
};

using Handler = Response (*)(const RouteContext&);

struct Route {
  std::string_view method;  // "GET" routes answer HEAD too
  std::string_view path;
  bool prefix;  // the path is a prefix, not the whole path
  Handler handler;
};

}  // namespace melvoro::netsim
