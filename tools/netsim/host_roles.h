// Which of the program's hosts a request was meant for. Every host name netsim answers to
// is known here and nowhere else.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace melvoro::netsim {

enum class Role { kNetwork, kStorage, kLogin, kRadioSpb, kRadioMsk, kLastFm, kSupport };

struct HostInfo {
  std::optional<Role> role;    // nullopt: a host of no role; routing goes by path alone
  int storage_server = 0;      // N of a "cs<N>." storage host, 0 for any other
  bool loopback_name = false;  // a "*.localhost" name or a loopback address
  std::string port;            // what followed the colon, empty when none
};

// host is "name" or "name:port" as the request gave it.
HostInfo RecognizeHost(std::string_view host);

// The roles tried, in this order, for a request to a host of no role.
std::span<const Role> RoleOrderForUnknownHost();

// The host name of a role that pages answered for `requested` link to: the loopback name with
// the request's port when the request came by a loopback name, else the role's default.
std::string HostNameFor(Role role, const HostInfo& requested);

}  // namespace melvoro::netsim
