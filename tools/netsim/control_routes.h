// netsim's own routes, on every host: "/_netsim/arm", "/_netsim/disarm", "/_netsim/blob".
#pragma once

#include <string_view>

#include "netsim/route.h"

namespace melvoro::netsim {

// Arming and disarming are never faulted themselves, or a fault armed on "/" could not
// be cleared.
bool IsFaultControlPath(std::string_view path);

// "?path=PREFIX&fault=KIND[&count=N]"
Response ArmFault(const RouteContext& context);
Response DisarmFaults(const RouteContext& context);

// "?bytes=N": N bytes of silent mp3 frames, the download benchmark's file.
Response Blob(const RouteContext& context);

}  // namespace melvoro::netsim
