#include "search/song.h"

namespace melvoro {

std::string AudioLink(std::string_view server, std::string_view owner_id, std::string_view hash,
                      std::string_view storage_domain) {
  constexpr std::size_t kOwnerWidth = 5;
  std::string link = "http://cs";
  link += server;
  link += '.';
  link += storage_domain;
  link += "/u";
  if (owner_id.size() < kOwnerWidth) link.append(kOwnerWidth - owner_id.size(), '0');
  link += owner_id;
  link += "/audio/";
  link += hash;
  link += ".mp3";
  return link;
}

}  // namespace melvoro
