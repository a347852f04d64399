#include "netsim/support_routes.h"

#include "core/text/cp1251.h"

namespace melvoro::netsim {

Response SupportCheckText(const RouteContext&) {
  return PlainText(std::string(W1251(u8"Соединение с сервером поддержки Melvoro установлено.\r\n")));
}

Response FeedbackSend(const RouteContext&) { return PlainText("OK"); }

Response SupportPage(const RouteContext&) {
  return TextResponse(kHtmlType, std::string(W1251(u8"<html><head><title>Поддержка Melvoro</title></head>"
                                                   u8"<body><h1>Поддержка Melvoro</h1></body></html>")));
}

Response VersionFile(const RouteContext& context) {
  return PlainText(std::string(context.latest_version) + "\nhttp://" +
                   HostNameFor(Role::kSupport, context.host) + "/melvoro/download/\n");
}

}  // namespace melvoro::netsim
