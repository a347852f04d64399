// The radio stations of the two portal sites, as the charts window lists them: "name - code",
// where the code (FM_ and the frequency) is the path segment of the station's chart.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/http/hosts.h"

namespace melvoro {

enum class RadioSite { Spb, Msk };

// The site's stations in the order the window shows them, Windows-1251.
const std::vector<std::string>& Stations(RadioSite site);

// The code after the first " - ": station names may hold hyphens of their own ("X-FM"), never
// that separator. Nothing when there is no separator or nothing after it.
std::optional<std::string> StationCode(std::string_view entry);

// The host of the site in the hosts table.
const std::string& SiteHost(const Hosts& hosts, RadioSite site);

}  // namespace melvoro
