// The audio search: "/gsearch.php?q=QUERY&section=audio&offset=N" on the network host.
#pragma once

#include <string_view>
#include <vector>

#include "netsim/catalogue.h"
#include "netsim/route.h"

namespace melvoro::netsim {

inline constexpr std::size_t kSearchPageRows = 200;

// Searchable songs, in catalogue order, where every space-separated word of the query (its
// match key) occurs in the key of "artist title". A query without a word to match finds nothing.
std::vector<const Song*> FindSongs(const Catalogue& catalogue, std::string_view query);

Response SearchPage(const RouteContext& context);

}  // namespace melvoro::netsim
