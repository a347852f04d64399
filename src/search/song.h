// One audio entry found on a page of the social network.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace melvoro {

class Song {
 public:
  std::string Link;           // absolute URL of the mp3 file
  std::string Title;          // cleaned: no line breaks, entities decoded
  std::string Artist;         // cleaned the same way
  std::string OwnerId;        // as cut from a search page, not padded; empty for audio list entries
  std::int32_t Duration = 0;  // seconds

  // The name shown everywhere: artist, " - ", title.
  std::string Name() const { return Artist + " - " + Title; }
  // What a queue item's name is compared with: artist directly followed by title.
  std::string MatchText() const { return Artist + Title; }
};

// The mp3 link of a search page entry: "http://cs" + server + "." + storage domain + "/u" +
// owner id padded with zeros to 5 + "/audio/" + hash + ".mp3".
std::string AudioLink(std::string_view server, std::string_view owner_id, std::string_view hash,
                      std::string_view storage_domain);

}  // namespace melvoro
