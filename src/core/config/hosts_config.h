// The hosts table as config.ini sets it: section "Hosts" overrides the built-in defaults.
#pragma once

#include "core/config/ini_file.h"
#include "core/http/hosts.h"

namespace melvoro {

// Keys Network, Storage, Login, RadioSpb, RadioMsk, LastFm and Support; an empty or missing
// value keeps the default. Throws IniError when config.ini exists but cannot be read.
Hosts LoadHosts(const IniFile& ini);
Hosts LoadHosts(const IniText& ini);

}  // namespace melvoro
