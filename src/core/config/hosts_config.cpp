#include "core/config/hosts_config.h"

#include <string_view>
#include <utility>

namespace melvoro {

Hosts LoadHosts(const IniFile& ini) { return LoadHosts(ini.Load()); }

Hosts LoadHosts(const IniText& ini) {
  Hosts hosts;
  const std::pair<std::string_view, std::string Hosts::*> keys[] = {
      {"Network", &Hosts::Network},   {"Storage", &Hosts::Storage},   {"Login", &Hosts::Login},
      {"RadioSpb", &Hosts::RadioSpb}, {"RadioMsk", &Hosts::RadioMsk}, {"LastFm", &Hosts::LastFm},
      {"Support", &Hosts::Support},
  };
  for (const auto& [key, field] : keys) {
    std::string value = ini.Read("Hosts", key);
    if (!value.empty()) hosts.*field = std::move(value);
  }
  return hosts;
}

}  // namespace melvoro
