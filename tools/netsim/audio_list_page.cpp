#include "netsim/audio_list_page.h"

#include <cstdlib>
#include <optional>

#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"
#include "netsim/site_html.h"

namespace melvoro::netsim {

namespace {

std::string ListRow(const Song& song, int list_owner, const HostInfo& host) {
  const std::string aid = std::to_string(song.audio_id);
  const std::string row = std::to_string(list_owner) + "_" + aid;
  std::string html = "<div class=\"audioRow\" id=\"audio" + row + "\">\n";
  html += "<table cellspacing=\"0\" cellpadding=\"0\" width=\"100%\"><tr>\n";
  html += "<td class=\"playButton\"><img class=\"playimg\" id=\"imgbutton" + aid +
          "\" src=\"/images/play.gif\" onclick=\"operate('" + aid + "','" + Mp3Url(song, host) + "'," +
          std::to_string(song.duration) + ");\" alt=\"\" /></td>\n";
  html += "<td class=\"info\">\n<div class=\"duration\">" + FormatDuration(song.duration) + "</div>\n";
  html += "<b id=\"performer" + row +
          "\"><a href=\"/gsearch.php?section=audio&amp;q=" + UrlEncode(song.artist) + "\">" +
          SiteEscape(song.artist) + "</a></b> &ndash; ";
  html += "<span id=\"title" + row + "\">" + SiteEscape(song.title) + "</span>\n";
  html += "</td>\n<td class=\"audioActions\"><a href=\"#\" onclick=\"return editAudio(" + aid + ");\">";
  html += W1251(u8"Редактировать");
  html += "</a> <a href=\"#\" onclick=\"return deleteAudio(" + aid + ");\">";
  html += W1251(u8"Удалить");
  html += "</a></td>\n</tr></table>\n";
  // The hidden edit form and player keep each row over 1 KiB past its title: the program's
  // pattern looks up to 1 KiB past the performer for the title and must not reach the next row.
  html += "<div class=\"audioEdit\" id=\"edit" + aid + "\" style=\"display:none\">\n";
  html += "<form method=\"post\" action=\"/audio.php?act=edit\">\n";
  html += "<input type=\"hidden\" name=\"aid\" value=\"" + aid + "\" />\n";
  html += "<input type=\"hidden\" name=\"oid\" value=\"" + std::to_string(list_owner) + "\" />\n<label>";
  html += W1251(u8"Исполнитель:");
  html += "</label> <input type=\"text\" name=\"performer\" value=\"" + SiteEscape(song.artist) +
          "\" /><br />\n<label>";
  html += W1251(u8"Название:");
  html += "</label> <input type=\"text\" name=\"name\" value=\"" + SiteEscape(song.title) + "\" /><br />\n";
  html += "<input type=\"submit\" value=\"";
  html += W1251(u8"Сохранить");
  html += "\" /> <input type=\"button\" value=\"";
  html += W1251(u8"Отмена");
  html += "\" onclick=\"return cancelEdit(" + aid + ");\" />\n</form>\n</div>\n";
  html += HiddenPlayerParts(aid);
  html += "<script type=\"text/javascript\">audioInfo[" + aid +
          "] = {owner: " + std::to_string(song.owner_id) + ", duration: " + std::to_string(song.duration) +
          "};</script>\n</div>\n";
  return html;
}

std::optional<int> IdParam(const Request& request, std::string_view name) {
  const std::optional<std::string> text = request.Param(name);
  if (!text) return std::nullopt;
  if (text->empty() || text->size() > 9 || text->find_first_not_of("0123456789") != std::string::npos)
    return -1;
  return std::atoi(text->c_str());
}

}  // namespace

std::string Mp3Url(const Song& song, const HostInfo& host) {
  return "http://cs" + std::to_string(song.server) + "." + HostNameFor(Role::kStorage, host) + Mp3Path(song);
}

Response AudioListPage(const RouteContext& context) {
  if (!HasSession(context.request)) return LoginRequiredPage(context.host);
  const Catalogue& catalogue = TheCatalogue();
  const std::optional<int> user = IdParam(context.request, "id");
  const std::optional<int> group = IdParam(context.request, "gid");

  const AudioList* list =
      group ? catalogue.FindGroup(*group) : catalogue.FindUser(user.value_or(catalogue.demo_user_id));

  std::string heading(W1251(u8"Аудиозаписи"));
  if (list && group) {
    heading = std::string(W1251(u8"Аудиозаписи группы ")) + list->name;
  } else if (list && list->id == catalogue.demo_user_id) {
    heading = W1251(u8"Мои аудиозаписи");
  } else if (list) {
    heading += " " + list->name;
  }
  std::string html = PageStart(heading, context.host);
  html += "<div class=\"audioListHeader\">\n<h2>" + SiteEscape(heading) + "</h2>\n<div class=\"summary\">";
  if (list) {
    html += CountOfSongs(list->audio_ids.size());
  } else {
    html += W1251(u8"Аудиозаписи не найдены");
  }
  html += "</div>\n</div>\n<div id=\"audios\">\n";
  if (list) {
    for (const int audio_id : list->audio_ids)
      if (const Song* song = catalogue.FindSong(audio_id)) html += ListRow(*song, list->id, context.host);
  }
  html += "</div>\n";
  html += PageEnd();
  return SitePage(std::move(html));
}

}  // namespace melvoro::netsim
