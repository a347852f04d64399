#include "netsim/host_roles.h"

#include <array>

#include "core/http/hosts.h"
#include "core/text/text_helpers.h"

namespace melvoro::netsim {

namespace {

struct RoleNames {
  Role role;
  std::string Hosts::*default_name;
  std::string_view loopback_label;  // "<label>.localhost"
};

// Network precedes Storage: both default to the same domain, and the bare name is the
// network's (storage hosts carry the "cs<N>." prefix).
constexpr std::array<RoleNames, 7> kRoles = {{
    {Role::kNetwork, &Hosts::Network, "network"},
    {Role::kStorage, &Hosts::Storage, "storage"},
    {Role::kLogin, &Hosts::Login, "login"},
    {Role::kRadioSpb, &Hosts::RadioSpb, "radiospb"},
    {Role::kRadioMsk, &Hosts::RadioMsk, "radiomsk"},
    {Role::kLastFm, &Hosts::LastFm, "lastfm"},
    {Role::kSupport, &Hosts::Support, "support"},
}};

// Storage goes last: its mp3 route takes a whole path prefix.
constexpr std::array<Role, 7> kUnknownHostOrder = {Role::kNetwork,  Role::kLogin,    Role::kSupport,
                                                   Role::kRadioSpb, Role::kRadioMsk, Role::kLastFm,
                                                   Role::kStorage};

constexpr std::string_view kLocalhost = "localhost";

const Hosts& Defaults() {
  static const Hosts defaults;
  return defaults;
}

const RoleNames& NamesOf(Role role) {
  for (const auto& names : kRoles)
    if (names.role == role) return names;
  return kRoles[0];  // unreachable: every role has a row
}

std::string DefaultName(const RoleNames& names) { return CyrLowerCase(Defaults().*names.default_name); }

bool IsLoopbackAddress(std::string_view name) {
  if (name.substr(0, 4) != "127.") return false;
  for (const char c : name)
    if (c != '.' && (c < '0' || c > '9')) return false;
  return true;
}

// "cs<N>." prefix: N, and the name without the prefix; 0 when there is no such prefix.
int StoragePrefix(std::string_view name, std::string_view& rest) {
  if (name.substr(0, 2) != "cs") return 0;
  std::size_t i = 2;
  long n = 0;
  while (i < name.size() && i < 11 && name[i] >= '0' && name[i] <= '9') n = n * 10 + (name[i++] - '0');
  if (i == 2 || n == 0 || i >= name.size() || name[i] != '.') return 0;
  rest = name.substr(i + 1);
  return static_cast<int>(n);
}

std::optional<Role> RoleOfName(std::string_view name) {
  if (name.size() > kLocalhost.size() + 1 && name.ends_with(kLocalhost) &&
      name[name.size() - kLocalhost.size() - 1] == '.') {
    const std::string_view label = name.substr(0, name.size() - kLocalhost.size() - 1);
    for (const auto& names : kRoles)
      if (names.loopback_label == label) return names.role;
    return std::nullopt;
  }
  for (const auto& names : kRoles)
    if (DefaultName(names) == name) return names.role;
  return std::nullopt;
}

}  // namespace

HostInfo RecognizeHost(std::string_view host) {
  HostInfo info;
  const std::string_view without_port = HostWithoutPort(host);
  if (without_port.size() < host.size()) info.port = std::string(host.substr(without_port.size() + 1));
  std::string name = CyrLowerCase(without_port);
  if (!name.empty() && name.back() == '.') name.pop_back();

  info.loopback_name =
      name == kLocalhost || name.ends_with("." + std::string(kLocalhost)) || IsLoopbackAddress(name);

  std::string_view rest;
  if (const int server = StoragePrefix(name, rest); server != 0) {
    if (rest == DefaultName(NamesOf(Role::kStorage)) || RoleOfName(rest) == Role::kStorage) {
      info.role = Role::kStorage;
      info.storage_server = server;
      return info;
    }
  }
  info.role = RoleOfName(name);
  return info;
}

std::span<const Role> RoleOrderForUnknownHost() { return kUnknownHostOrder; }

std::string HostNameFor(Role role, const HostInfo& requested) {
  const RoleNames& names = NamesOf(role);
  if (!requested.loopback_name) return Defaults().*names.default_name;
  std::string name = std::string(names.loopback_label) + "." + std::string(kLocalhost);
  if (!requested.port.empty()) name += ":" + requested.port;
  return name;
}

}  // namespace melvoro::netsim
