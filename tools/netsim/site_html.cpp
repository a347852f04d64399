#include "netsim/site_html.h"

#include "core/text/cp1251.h"

namespace melvoro::netsim {

namespace {

std::string Escape(std::string_view text, bool apostrophe) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += apostrophe ? "&#39;" : "'";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string SiteEscape(std::string_view text) { return Escape(text, true); }

std::string ChartEscape(std::string_view text) { return Escape(text, false); }

std::string FormatDuration(int seconds) {
  const int s = seconds % 60;
  return std::to_string(seconds / 60) + (s < 10 ? ":0" : ":") + std::to_string(s);
}

std::string CountOfSongs(std::size_t count) {
  const std::size_t tens = count % 100;
  const std::size_t ones = count % 10;
  std::string out = std::to_string(count) + " ";
  if (tens >= 11 && tens <= 14) {
    out += W1251(u8"аудиозаписей");
  } else if (ones == 1) {
    out += W1251(u8"аудиозапись");
  } else if (ones >= 2 && ones <= 4) {
    out += W1251(u8"аудиозаписи");
  } else {
    out += W1251(u8"аудиозаписей");
  }
  return out;
}

std::string HiddenPlayerParts(const std::string& audio_id) {
  const std::string& aid = audio_id;
  std::string html = "<div class=\"audioLyrics\" id=\"lyrics" + aid + "\" style=\"display:none\"></div>\n";
  html += "<div class=\"audioPlayer\" id=\"player" + aid + "\" style=\"display:none\">\n";
  html += "<div class=\"progressBar\" id=\"progress" + aid + "\"><div class=\"progressLine\" id=\"line" +
          aid + "\" style=\"width:0%\"></div></div>\n";
  html += "<div class=\"volumeBar\" id=\"volume" + aid + "\"><div class=\"volumeLine\" id=\"volumeLine" +
          aid + "\" style=\"width:80%\"></div></div>\n</div>\n";
  return html;
}

std::string PageStart(std::string_view title, const HostInfo& host) {
  std::string html =
      "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
      "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
      "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n"
      "<meta http-equiv=\"content-type\" content=\"text/html; charset=windows-1251\" />\n<title>";
  html += SiteEscape(title);
  html +=
      "</title>\n"
      "<link rel=\"stylesheet\" href=\"/css/rustyle.css?49\" type=\"text/css\" />\n"
      "<link rel=\"stylesheet\" href=\"/css/audio.css?12\" type=\"text/css\" />\n"
      "<script type=\"text/javascript\" src=\"/js/common.js?63\"></script>\n"
      "<script type=\"text/javascript\" src=\"/js/audio.js?31\"></script>\n"
      "<script type=\"text/javascript\">\n"
      "var audioInfo = {};\n"
      "function showLyrics(aid, lid) { return ajaxLyrics(aid, lid); }\n"
      "</script>\n</head>\n<body>\n<div id=\"pageLayout\">\n<div id=\"pageHeader\">\n"
      "<a href=\"/\" id=\"logoLink\"><img src=\"/images/logo.gif\" alt=\"\" /></a>\n"
      "<div id=\"topNav\">\n<a href=\"/id0\">";
  html += W1251(u8"моя страница");
  html += "</a> | <a href=\"/friend.php\">";
  html += W1251(u8"друзья");
  html += "</a> | <a href=\"/audio.php\">";
  html += W1251(u8"аудиозаписи");
  html += "</a> | <a href=\"http://" + HostNameFor(Role::kLogin, host) + "/?act=logout\">";
  html += W1251(u8"выйти");
  html += "</a>\n</div>\n</div>\n<div id=\"sideBar\"></div>\n<div id=\"pageBody\">\n<div id=\"content\">\n";
  return html;
}

std::string PageEnd() {
  std::string html = "</div>\n</div>\n<div id=\"footer\">\n<a href=\"/help.php\">";
  html += W1251(u8"помощь");
  html += "</a> | <a href=\"/terms.php\">";
  html += W1251(u8"правила");
  html += "</a>\n</div>\n</div>\n</body>\n</html>\n";
  return html;
}

Response SitePage(std::string html) { return TextResponse(kHtmlType, std::move(html)); }

Response LoginRequiredPage(const HostInfo& host) {
  std::string html = PageStart(W1251(u8"Вход на сайт"), host);
  html += "<div class=\"loginNotice\">\n<h2>";
  html += W1251(u8"Вы не вошли на сайт");
  html += "</h2>\n<p>";
  html += W1251(u8"Чтобы просматривать эту страницу, нужно войти на сайт.");
  html +=
      "</p>\n<form method=\"post\" action=\"http://" + HostNameFor(Role::kLogin, host) + "/?act=login\">\n";
  html += "E-mail: <input type=\"text\" name=\"email\" /><br />\n";
  html += W1251(u8"Пароль");
  html += ": <input type=\"password\" name=\"pass\" /><br />\n<input type=\"submit\" value=\"";
  html += W1251(u8"Войти");
  html += "\" />\n</form>\n</div>\n";
  html += PageEnd();
  return SitePage(std::move(html));
}

bool HasSession(const Request& request) {
  static constexpr std::string_view kName = "remixsid=";
  for (const auto& [name, value] : request.headers) {
    if (!EqualsIgnoreCase(name, "Cookie")) continue;
    for (std::size_t at = value.find(kName); at != std::string::npos; at = value.find(kName, at + 1)) {
      // Only a whole cookie name counts: at the start or after "; ".
      if (at > 0 && value[at - 1] != ' ' && value[at - 1] != ';') continue;
      const std::size_t start = at + kName.size();
      const std::string_view cookie = std::string_view(value).substr(start, value.find(';', start) - start);
      if (cookie.find_first_not_of(" \t") != std::string_view::npos) return true;
    }
  }
  return false;
}

}  // namespace melvoro::netsim
