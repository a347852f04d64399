// Audio lists on the network host: "/audio.php" (the visitor's own), "/audio.php?id=USER",
// "/audio.php?gid=GROUP".
#pragma once

#include <string>

#include "netsim/catalogue.h"
#include "netsim/route.h"

namespace melvoro::netsim {

// The absolute address of a song's mp3 as pages answered for `host` give it.
std::string Mp3Url(const Song& song, const HostInfo& host);

Response AudioListPage(const RouteContext& context);

}  // namespace melvoro::netsim
