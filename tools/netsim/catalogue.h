// The demo catalogue every page is made from: songs, the users and groups whose audio lists
// hold them, and the accounts the login host knows. Texts are Windows-1251, not escaped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace melvoro::netsim {

struct Song {
  int audio_id = 0;
  int owner_id = 0;  // the uploader; the file sits under "/u<owner padded to 5>"
  int server = 0;    // the file is on "cs<server>." + storage domain
  std::string hash;  // 12 lower-case hex digits
  int duration = 0;  // seconds
  std::string artist;
  std::string title;
  int lyrics_id = 0;  // 0: no lyrics link
  bool searchable = true;
  bool charted = true;  // false: the charts spell it their own way (chart_routes' foreign lines)
};

// A user's or a group's audio list.
struct AudioList {
  int id = 0;
  std::string name;
  std::vector<int> audio_ids;
};

struct Account {
  std::string email;
  std::string password;
  int user_id = 0;
};

struct Catalogue {
  std::vector<Song> songs;  // in the order the search lists them
  int demo_user_id = 0;     // whose list is "my audio"
  std::vector<AudioList> users;
  std::vector<AudioList> groups;
  std::vector<Account> accounts;

  const Song* FindSong(int audio_id) const;
  const Song* FindFile(int owner_id, std::string_view hash) const;
  const AudioList* FindUser(int id) const;
  const AudioList* FindGroup(int id) const;
};

const Catalogue& TheCatalogue();

// "/u00042/audio/0123456789ab.mp3"
std::string Mp3Path(const Song& song);

// Made once, from the data in catalogue_data.cpp.
Catalogue BuildCatalogue();

}  // namespace melvoro::netsim
