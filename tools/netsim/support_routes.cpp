#include "netsim/support_routes.h"

#include "core/cp1251.h"

namespace melvoro::netsim {

Response SupportCheckText(const RouteContext&) {
  return PlainText(std::string(W1251(u8"Соединение с сервером поддержки Melvoro установлено.\r\n")));
}

}  // namespace melvoro::netsim
