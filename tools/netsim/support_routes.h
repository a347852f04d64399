// The support server.
#pragma once

#include "netsim/route.h"

namespace melvoro::netsim {

// "/isword.txt": a short text that proves the support server is reachable.
Response SupportCheckText(const RouteContext& context);
// POST "/melvoro/feedback/send/index.php": takes any report (the request log keeps it).
Response FeedbackSend(const RouteContext& context);
// "/melvoro/support/": the support page the feedback window links to.
Response SupportPage(const RouteContext& context);
// "/melvoro/update/version.txt": the newest version and where to get it, as the update check
// reads them.
Response VersionFile(const RouteContext& context);

}  // namespace melvoro::netsim
