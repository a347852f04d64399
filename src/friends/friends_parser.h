// Cuts the friends page (a script array of [id,"name","picture"] triples) and the groups page
// (grouprow markup) into list entries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace melvoro {

struct FriendEntry {
  std::string Name;     // decoded
  std::string Id;       // as the page wrote it: may be empty or beyond 32 bits
  std::string Picture;  // absolute where the page gave a path
};

// Whatever the matching budget allows; a crafted page is cut short, keeping what was found.
// site_root is "http://host[:port]".
std::vector<FriendEntry> ParseFriendsPage(std::string_view page, const std::string& site_root);
std::vector<FriendEntry> ParseGroupsPage(std::string_view page, const std::string& site_root);

}  // namespace melvoro
