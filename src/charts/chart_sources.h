// Where charts come from: the radio sites' top-100 pages and last.fm's top tracks of an artist.
#pragma once

#include <string>
#include <string_view>

#include "charts/stations.h"
#include "core/http/hosts.h"

namespace melvoro {

// The program's own last.fm web-service key.
inline constexpr std::string_view kLastFmApiKey = "3f9c1a7be2d04c58a6e1b7d92c4f0e83";

// The site's overall chart.
std::string SiteChartUrl(const Hosts& hosts, RadioSite site);
// The chart of one station, by its code.
std::string StationChartUrl(const Hosts& hosts, RadioSite site, std::string_view code);
// artist is Windows-1251 as typed; it is percent-encoded, an empty one included.
std::string TopTracksUrl(const Hosts& hosts, std::string_view artist);

}  // namespace melvoro
