#include "charts/chart_sources.h"

#include "core/text/text_helpers.h"

namespace melvoro {

std::string SiteChartUrl(const Hosts& hosts, RadioSite site) {
  return "http://" + SiteHost(hosts, site) + "/charts/top100";
}

std::string StationChartUrl(const Hosts& hosts, RadioSite site, std::string_view code) {
  return "http://" + SiteHost(hosts, site) + "/stations/" + std::string(code) + "/top100";
}

std::string TopTracksUrl(const Hosts& hosts, std::string_view artist) {
  return "http://" + hosts.LastFm + "/2.0/?method=artist.gettoptracks&artist=" + UrlEncode(artist) +
         "&api_key=" + std::string(kLastFmApiKey);
}

}  // namespace melvoro
