#include "core/http/hosts.h"

namespace melvoro {

std::string_view HostWithoutPort(std::string_view host) {
  const std::size_t colon = host.rfind(':');
  return colon == std::string_view::npos ? host : host.substr(0, colon);
}

std::string HostWord(std::string_view host) {
  std::string_view name = HostWithoutPort(host);
  if (name.substr(0, 4) == "www.") name.remove_prefix(4);
  return std::string(name.substr(0, name.find('.')));
}

}  // namespace melvoro
