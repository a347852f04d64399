// Which route answers a request: netsim's own routes on any host, then the routes of the
// host's role, or for a host of no role the first role whose routes take the path.
#pragma once

#include <optional>
#include <span>

#include "netsim/route.h"

namespace melvoro::netsim {

// The routes a host of that role serves. New pages plug in here.
std::span<const Route> RoutesFor(Role role);

// nullopt: no route takes the request.
std::optional<Response> Dispatch(const RouteContext& context);

}  // namespace melvoro::netsim
