// The visitor's friends ("/friends.php", a script array of [id,"name","picture"] triples with
// escaped slashes) and groups ("/groups.php", grouprow markup) on the network host.
#pragma once

#include "netsim/route.h"

namespace melvoro::netsim {

Response FriendsPage(const RouteContext& context);
Response GroupsPage(const RouteContext& context);

}  // namespace melvoro::netsim
