// The support server.
#pragma once

#include "netsim/route.h"

namespace melvoro::netsim {

// "/isword.txt": a short text that proves the support server is reachable.
Response SupportCheckText(const RouteContext& context);

}  // namespace melvoro::netsim
