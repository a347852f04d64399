#include "netsim/catalogue.h"

#include <algorithm>
#include <cstdio>

namespace melvoro::netsim {

const Song* Catalogue::FindSong(int audio_id) const {
  const auto it =
      std::find_if(songs.begin(), songs.end(), [&](const Song& s) { return s.audio_id == audio_id; });
  return it == songs.end() ? nullptr : &*it;
}

const Song* Catalogue::FindFile(int owner_id, std::string_view hash) const {
  const auto it = std::find_if(songs.begin(), songs.end(),
                               [&](const Song& s) { return s.owner_id == owner_id && s.hash == hash; });
  return it == songs.end() ? nullptr : &*it;
}

const AudioList* Catalogue::FindUser(int id) const {
  const auto it = std::find_if(users.begin(), users.end(), [&](const AudioList& l) { return l.id == id; });
  return it == users.end() ? nullptr : &*it;
}

const AudioList* Catalogue::FindGroup(int id) const {
  const auto it = std::find_if(groups.begin(), groups.end(), [&](const AudioList& l) { return l.id == id; });
  return it == groups.end() ? nullptr : &*it;
}

const Catalogue& TheCatalogue() {
  static const Catalogue catalogue = BuildCatalogue();
  return catalogue;
}

std::string Mp3Path(const Song& song) {
  char owner[16];
  std::snprintf(owner, sizeof owner, "%05d", song.owner_id);
  return "/u" + std::string(owner) + "/audio/" + song.hash + ".mp3";
}

}  // namespace melvoro::netsim
