// The two radio portal sites' top-100 charts and last.fm's top tracks of an artist, in UTF-8
// as those services answer. Entries come from the catalogue, so a chart line can be looked up.
#pragma once

#include "netsim/route.h"

namespace melvoro::netsim {

// The key last.fm accepts from the program; any other is refused.
inline constexpr std::string_view kAcceptedLastFmKey = "3f9c1a7be2d04c58a6e1b7d92c4f0e83";

// "/charts/top100" on either radio site.
Response SiteChart(const RouteContext& context);
// "/stations/<code>/top100": 404 for a code the site has no station under.
Response StationChart(const RouteContext& context);
// "/2.0/": method artist.gettoptracks; the error document for a wrong key (403) or an
// artist the service does not know (400).
Response LastFmService(const RouteContext& context);

}  // namespace melvoro::netsim
