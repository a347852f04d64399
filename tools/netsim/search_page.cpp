#include "netsim/search_page.h"

#include <algorithm>
#include <cstdlib>

#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"
#include "netsim/site_html.h"

namespace melvoro::netsim {

namespace {

// A row of the results. The player script finds the row's parts by their distance from the
// row's start, so the parts stay close together and each row is long enough (over 1 KiB
// from one row's start to the next row's player call) that no row reaches into the next.
std::string SearchRow(const Song& song) {
  const std::string aid = std::to_string(song.audio_id);
  const std::string owner = std::to_string(song.owner_id);
  const std::string row = owner + "_" + aid;
  std::string html = "<div class=\"audioRow\" id=\"audio" + row + "\">\n";
  html += "<table cellspacing=\"0\" cellpadding=\"0\" width=\"100%\"><tr>\n";
  html += "<td class=\"playButton\"><a href=\"#\" onclick=\"return operate(" + aid + "," +
          std::to_string(song.server) + "," + owner + ",'" + song.hash + "'," +
          std::to_string(song.duration) + ");\"><img class=\"playimg\" id=\"imgbutton" + aid +
          "\" src=\"/images/play.gif\" width=\"16\" height=\"16\" alt=\"\" /></a></td>\n";
  html += "<td class=\"info\">\n<div class=\"duration\" id=\"duration" + aid + "\">" +
          FormatDuration(song.duration) + "</div>\n";
  html += "<b id=\"performer" + aid + "\">" + SiteEscape(song.artist) + "</b> &ndash; <span id=\"title" +
          aid + "\">";
  if (song.lyrics_id != 0)
    html += "<a href='javascript: showLyrics(" + aid + "," + std::to_string(song.lyrics_id) + ");'>";
  html += SiteEscape(song.title);
  html += song.lyrics_id != 0 ? "</a></span>\n" : "</span>\n";
  html += "</td>\n</tr></table>\n";
  html += "<div class=\"audioActions\" id=\"actions" + aid + "\">\n<a href=\"#\" onclick=\"return addAudio(" +
          aid + ", " + owner + ", '" + song.hash + "');\">";
  html += W1251(u8"Добавить к моим аудиозаписям");
  html += "</a> |\n<a href=\"/audio.php?id=" + owner + "\">";
  html += W1251(u8"Аудиозаписи владельца");
  html += "</a> |\n<a href=\"#\" onclick=\"return reportAudio(" + aid + ");\">";
  html += W1251(u8"Пожаловаться");
  html += "</a>\n</div>\n";
  html += HiddenPlayerParts(aid);
  html += "<script type=\"text/javascript\">audioInfo[" + aid + "] = {owner: " + owner +
          ", duration: " + std::to_string(song.duration) + ", lyrics: " + std::to_string(song.lyrics_id) +
          "};</script>\n</div>\n";
  return html;
}

std::size_t OffsetParam(const Request& request) {
  const std::string text = request.Param("offset").value_or("");
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9) return 0;
  return static_cast<std::size_t>(std::strtoul(text.c_str(), nullptr, 10));
}

std::string PagerLink(const std::string& query, std::size_t offset, std::string_view label) {
  return "<a href=\"/gsearch.php?q=" + UrlEncode(query) +
         "&amp;section=audio&amp;offset=" + std::to_string(offset) + "\">" + std::string(label) + "</a>\n";
}

}  // namespace

std::vector<const Song*> FindSongs(const Catalogue& catalogue, std::string_view query) {
  std::vector<std::string> keys;
  for (std::size_t start = 0; start <= query.size();) {
    std::size_t end = query.find(' ', start);
    if (end == std::string_view::npos) end = query.size();
    if (std::string key = NormalizeForMatch(query.substr(start, end - start)); !key.empty())
      keys.push_back(std::move(key));
    start = end + 1;
  }
  std::vector<const Song*> found;
  if (keys.empty()) return found;
  for (const Song& song : catalogue.songs) {
    if (!song.searchable) continue;
    const std::string name = NormalizeForMatch(song.artist + " " + song.title);
    if (std::all_of(keys.begin(), keys.end(),
                    [&](const std::string& k) { return name.find(k) != std::string::npos; }))
      found.push_back(&song);
  }
  return found;
}

Response SearchPage(const RouteContext& context) {
  if (!HasSession(context.request)) return LoginRequiredPage(context.host);
  const std::string query = context.request.Param("q").value_or("");
  const std::vector<const Song*> found = FindSongs(TheCatalogue(), query);
  const std::size_t offset = std::min(OffsetParam(context.request), found.size());
  const std::size_t end = std::min(found.size(), offset + kSearchPageRows);

  std::string html = PageStart(W1251(u8"Поиск аудиозаписей"), context.host);
  html += "<div id=\"searchForm\">\n<form action=\"/gsearch.php\" method=\"get\">\n";
  html += "<input type=\"hidden\" name=\"section\" value=\"audio\" />\n";
  html += "<input type=\"text\" name=\"q\" id=\"quickquery\" value=\"" + SiteEscape(query) + "\" />\n";
  html += "<input type=\"submit\" value=\"";
  html += W1251(u8"Найти");
  html += "\" />\n</form>\n</div>\n<div class=\"summary\">";
  if (found.empty()) {
    html += W1251(u8"Ничего не найдено");
  } else {
    html += W1251(u8"Найдено ");
    html += CountOfSongs(found.size());
  }
  html += "</div>\n<table id=\"searchResults\" class=\"searchResults audioResults\">\n<tr><td>\n";
  for (std::size_t i = offset; i < end; ++i) html += SearchRow(*found[i]);
  html += "</td></tr>\n</table>\n<div class=\"pager\">\n";
  if (offset > 0)
    html += PagerLink(query, offset - std::min(offset, kSearchPageRows), W1251(u8"&laquo; назад"));
  if (end < found.size()) html += PagerLink(query, end, W1251(u8"дальше &raquo;"));
  html += "</div>\n";
  html += PageEnd();
  return SitePage(std::move(html));
}

}  // namespace melvoro::netsim
