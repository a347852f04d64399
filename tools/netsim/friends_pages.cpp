#include "netsim/friends_pages.h"

#include "core/text/cp1251.h"
#include "netsim/catalogue.h"
#include "netsim/site_html.h"

namespace melvoro::netsim {

namespace {

struct ListedFriend {
  const char* id;       // as written: empty and beyond 32 bits among them
  const char* name;     // UTF-8, with the site's entities
  const char* picture;  // "%" stands for the network host's root
};

// Every kind of picture address and id a page can hold; the first four are the catalogue's
// users, whose audio lists exist.
constexpr ListedFriend kFriends[] = {
    {"7", "Аня Ветрова", "/pictures/u7.jpg"},
    {"1234", "Пётр &quot;Гром&quot; Громов", "%/pictures/u1234_big.jpeg"},
    {"98765", "Lena Fox &amp; Co", "/pictures/u98765.png"},
    {"3141592", "Михаил Тучкин", "/pictures/u3141592.jpg"},
    {"4294967296", "Номер &lt;за&gt; пределом", "/pictures/cut.jpg"},
    {"", "Без номера", "/pictures/u7.jpg"},
    {"555", "Д&#39;Артаньян", "/pictures/not_a_picture.jpg"},
    {"556", "Борис Огромный", "/pictures/huge.jpg"},
    {"557", "Https Person", "https://network.example/pictures/u7.jpg"},
    {"558", "Upper Case", "/pictures/U7.JPG"},
    {"559", "Коротыш", "x.jp"},
};

struct ListedGroup {
  int id;
  const char* name;  // UTF-8 with the site's entities; empty: the catalogue's name
  const char* picture;
};

constexpr ListedGroup kGroups[] = {
    {15, "", "pictures/g15.jpg"},
    {2048, "", "%/pictures/g2048.gif"},
    {500500, "", "pictures/huge.jpg"},
    {77, "Rock &amp; Roll", "%/pictures/not_a_picture.jpg"},
};

std::string WithRoot(std::string_view picture, const HostInfo& host) {
  if (!picture.starts_with("%")) return std::string(picture);
  return "http://" + HostNameFor(Role::kNetwork, host) + std::string(picture.substr(1));
}

// The site's script writes every slash escaped.
std::string EscapeSlashes(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '/') out += '\\';
    out += c;
  }
  return out;
}

std::string GroupName(const ListedGroup& group) {
  if (*group.name != '\0') return Utf8ToCp1251(group.name);
  const AudioList* list = TheCatalogue().FindGroup(group.id);
  return list ? SiteEscape(list->name) : std::string();
}

}  // namespace

Response FriendsPage(const RouteContext& context) {
  if (!HasSession(context.request)) return LoginRequiredPage(context.host);
  std::string html = PageStart(W1251(u8"Друзья"), context.host);
  html += "<div id=\"friendsList\"></div>\n<script type=\"text/javascript\">\nvar friendsData = {\"list\":[";
  bool first = true;
  for (const ListedFriend& f : kFriends) {
    if (!first) html += ",";
    first = false;
    html += std::string("[") + f.id + ",\"" + Utf8ToCp1251(f.name) + "\",\"" +
            EscapeSlashes(WithRoot(f.picture, context.host)) + "\",1]";
  }
  html += "]};\nshowFriends(friendsData);\n</script>\n";
  html += PageEnd();
  return SitePage(std::move(html));
}

Response GroupsPage(const RouteContext& context) {
  if (!HasSession(context.request)) return LoginRequiredPage(context.host);
  std::string html = PageStart(W1251(u8"Группы"), context.host);
  html += "<div id=\"groups\">\n";
  for (const ListedGroup& g : kGroups) {
    const std::string id = std::to_string(g.id);
    html += "<div class=\"grouprow\" id=\"groupCont" + id + "\">\n";
    html += "<div class=\"image\"><a href=\"/club" + id + "\"><img src=\"" +
            WithRoot(g.picture, context.host) + "\" alt=\"\" /></a></div>\n";
    html += "<div class=\"info\"><div class=\"name\"><a class=\"group\" href=\"/club" + id + "\">" +
            GroupName(g) + "</a></div>\n<div class=\"members\">";
    html += W1251(u8"Участников: ").str() + std::to_string(g.id % 997 + 3) + "</div></div>\n</div>\n";
  }
  html += "</div>\n";
  html += PageEnd();
  return SitePage(std::move(html));
}

}  // namespace melvoro::netsim
