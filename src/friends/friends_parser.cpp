#include "friends/friends_parser.h"

#include <chrono>

#include "core/text/regex.h"
#include "core/text/text_helpers.h"

namespace melvoro {

namespace {

constexpr std::string_view kFriendPattern = R"re(\[([0-9]*),"([^"]*)","([^"]*)")re";
constexpr std::string_view kGroupPattern =
    R"re(<div class="grouprow" id="groupCont([0-9]*)">.*?<img src="([^"]*)".*?<a.*?href="/club[0-9]*".*?>([^<]*)</a>)re";

// The group pattern's lazy runs can be made to retry across a whole crafted page.
constexpr MatchBudget kListBudget{
    .match_limit = 1'000'000, .depth_limit = 0, .time = std::chrono::milliseconds(200)};

const Regex& FriendRegex() {
  static const Regex regex(kFriendPattern);
  return regex;
}

const Regex& GroupRegex() {
  static const Regex regex(kGroupPattern);
  return regex;
}

// A path on the site becomes an address; 4 characters or fewer stay as they are.
std::string Absolute(std::string picture, const std::string& prefix) {
  if (picture.size() > 4 && !picture.starts_with("http")) return prefix + picture;
  return picture;
}

}  // namespace

std::vector<FriendEntry> ParseFriendsPage(std::string_view page, const std::string& site_root) {
  std::vector<FriendEntry> entries;
  FriendRegex().ForEachMatch(
      page,
      [&](const RegexMatch& m) {
        // The escapes go first, so an escaped relative path is recognised as relative.
        std::string picture = ReplaceAll(m.Group(3), "\\/", "/");
        entries.push_back(
            {HtmlDecode(m.Group(2)), std::string(m.Group(1)), Absolute(std::move(picture), site_root)});
        return true;
      },
      kListBudget);
  return entries;
}

std::vector<FriendEntry> ParseGroupsPage(std::string_view page, const std::string& site_root) {
  std::vector<FriendEntry> entries;
  GroupRegex().ForEachMatch(
      page,
      [&](const RegexMatch& m) {
        entries.push_back({HtmlDecode(m.Group(3)), std::string(m.Group(1)),
                           Absolute(std::string(m.Group(2)), site_root + "/")});
        return true;
      },
      kListBudget);
  return entries;
}

}  // namespace melvoro
