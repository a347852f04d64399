#include "netsim/login_pages.h"

#include <random>

#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"
#include "netsim/catalogue.h"
#include "netsim/site_html.h"

namespace melvoro::netsim {

namespace {

std::string NewSessionId() {
  thread_local std::mt19937_64 random{std::random_device{}()};
  static constexpr char kHex[] = "0123456789abcdef";
  std::string id;
  for (int i = 0; i < 32; ++i) id += kHex[random() % 16];
  return id;
}

const Account* FindAccount(std::string_view email, std::string_view password) {
  for (const Account& account : TheCatalogue().accounts)
    if (CyrLowerCase(account.email) == CyrLowerCase(email) && account.password == password) return &account;
  return nullptr;
}

std::string LoginPageHtml(std::string_view title, std::string_view message, const HostInfo& host) {
  std::string html = PageStart(title, host);
  html += "<div id=\"login\">\n";
  if (!message.empty()) html += "<div class=\"error\">" + std::string(message) + "</div>\n";
  html += "<form method=\"post\" action=\"/?act=login\" name=\"login\">\n";
  html += "<label for=\"email\">E-mail:</label> <input type=\"text\" name=\"email\" id=\"email\" /><br />\n";
  html += "<label for=\"pass\">";
  html += W1251(u8"Пароль:");
  html +=
      "</label> <input type=\"password\" name=\"pass\" id=\"pass\" /><br />\n<input type=\"submit\" value=\"";
  html += W1251(u8"Войти");
  html += "\" />\n</form>\n</div>\n";
  html += PageEnd();
  return html;
}

}  // namespace

Response LoginForm(const RouteContext& context) {
  return SitePage(LoginPageHtml(W1251(u8"Вход"), {}, context.host));
}

Response LoginAttempt(const RouteContext& context) {
  if (context.request.Param("act") != "login") return ErrorPage(404);
  const std::string& body = context.request.body;
  const Account* account =
      FindAccount(FormValue(body, "email").value_or(""), FormValue(body, "pass").value_or(""));
  if (!account) {
    return SitePage(LoginPageHtml(W1251(u8"Вход"), W1251(u8"Не удалось войти. Проверьте e-mail и пароль."),
                                  context.host));
  }
  std::string html = PageStart(W1251(u8"Вход выполнен"), context.host);
  html += "<div id=\"login\">\n<p>";
  html += W1251(u8"Вы вошли на сайт.");
  html += "</p>\n<script type=\"text/javascript\">location.href = 'http://" +
          HostNameFor(Role::kNetwork, context.host) + "/id" + std::to_string(account->user_id) +
          "';</script>\n</div>\n";
  html += PageEnd();
  Response response = SitePage(std::move(html));
  response.headers.emplace_back("Set-Cookie", "remixsid=" + NewSessionId() + "; path=/");
  return response;
}

}  // namespace melvoro::netsim
