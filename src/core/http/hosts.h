// Every host the program talks to, in one table. config.ini may override each entry
// (section "Hosts"); a value may carry ":port".
#pragma once

#include <string>
#include <string_view>

namespace melvoro {

struct Hosts {
  std::string Network = "vkontakte.ru";  // pages of the social network
  std::string Storage = "vkontakte.ru";  // mp3 servers are "cs<N>." + this
  std::string Login = "login.vk.com";    // where the authorization utility logs in
  std::string RadioSpb = "piter.fm";     // St. Petersburg radio portal
  std::string RadioMsk = "moskva.fm";    // Moscow radio portal
  std::string LastFm = "ws.audioscrobbler.com";
  std::string Support = "support.melvoro.net";
};

// "host:port" -> "host".
std::string_view HostWithoutPort(std::string_view host);

// The word that names a site in file names: "vkontakte.ru:8080" -> "vkontakte".
std::string HostWord(std::string_view host);

}  // namespace melvoro
