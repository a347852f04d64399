#include "netsim/router.h"

#include "netsim/audio_list_page.h"
#include "netsim/chart_routes.h"
#include "netsim/control_routes.h"
#include "netsim/friends_pages.h"
#include "netsim/login_pages.h"
#include "netsim/picture_files.h"
#include "netsim/search_page.h"
#include "netsim/storage_routes.h"
#include "netsim/support_routes.h"

namespace melvoro::netsim {

namespace {

constexpr Route kAnyHostRoutes[] = {
    {"GET", "/_netsim/arm", false, ArmFault},
    {"GET", "/_netsim/disarm", false, DisarmFaults},
    {"GET", "/_netsim/blob", false, Blob},
};

// One route a line, so each can be told apart in a diff.
// clang-format off
constexpr Route kNetworkRoutes[] = {
    {"GET", "/gsearch.php", false, SearchPage},
    {"GET", "/audio.php", false, AudioListPage},
    {"GET", "/friends.php", false, FriendsPage},
    {"GET", "/groups.php", false, GroupsPage},
    {"GET", "/pictures/", true, PictureRoute},
};
// clang-format on

constexpr Route kStorageRoutes[] = {
    {"GET", "/u", true, Mp3File},
};

constexpr Route kLoginRoutes[] = {
    {"GET", "/", false, LoginForm},
    {"POST", "/", false, LoginAttempt},
};

constexpr Route kRadioRoutes[] = {
    {"GET", "/charts/top100", false, SiteChart},
    {"GET", "/stations/", true, StationChart},
};

constexpr Route kLastFmRoutes[] = {
    {"GET", "/2.0/", false, LastFmService},
};

constexpr Route kSupportRoutes[] = {
    {"GET", "/isword.txt", false, SupportCheckText},
    {"POST", "/melvoro/feedback/send/index.php", false, FeedbackSend},
    {"GET", "/melvoro/support/", false, SupportPage},
    {"GET", "/melvoro/update/version.txt", false, VersionFile},
};

bool Takes(const Route& route, const Request& request) {
  const bool method = request.method == route.method || (request.method == "HEAD" && route.method == "GET");
  if (!method) return false;
  return route.prefix ? request.path.starts_with(route.path) : request.path == route.path;
}

const Route* Find(std::span<const Route> routes, const Request& request) {
  for (const Route& route : routes)
    if (Takes(route, request)) return &route;
  return nullptr;
}

}  // namespace

std::span<const Route> RoutesFor(Role role) {
  switch (role) {
    case Role::kNetwork:
      return kNetworkRoutes;
    case Role::kStorage:
      return kStorageRoutes;
    case Role::kLogin:
      return kLoginRoutes;
    case Role::kSupport:
      return kSupportRoutes;
    case Role::kRadioSpb:
    case Role::kRadioMsk:
      return kRadioRoutes;
    case Role::kLastFm:
      return kLastFmRoutes;
  }
  return {};
}

std::optional<Response> Dispatch(const RouteContext& context) {
  const Route* route = Find(kAnyHostRoutes, context.request);
  if (!route && context.host.role) route = Find(RoutesFor(*context.host.role), context.request);
  for (const Role role : RoleOrderForUnknownHost()) {
    if (route || context.host.role) break;
    route = Find(RoutesFor(role), context.request);
  }
  if (!route) return std::nullopt;
  return route->handler(context);
}

}  // namespace melvoro::netsim
