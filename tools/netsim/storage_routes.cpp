#include "netsim/storage_routes.h"

#include <cstdlib>

#include "netsim/catalogue.h"
#include "netsim/mp3_frames.h"

namespace melvoro::netsim {

namespace {

// The song a path names, only when the path is exactly the one its pages link to.
const Song* SongAtPath(std::string_view path) {
  constexpr std::string_view kAudio = "/audio/";
  constexpr std::string_view kSuffix = ".mp3";
  if (path.substr(0, 2) != "/u") return nullptr;
  const std::size_t audio = path.find(kAudio);
  if (audio == std::string_view::npos || !path.ends_with(kSuffix)) return nullptr;
  const std::string owner(path.substr(2, audio - 2));
  if (owner.empty() || owner.size() > 9 || owner.find_first_not_of("0123456789") != std::string::npos)
    return nullptr;
  const std::size_t hash_start = audio + kAudio.size();
  if (hash_start + kSuffix.size() > path.size()) return nullptr;
  const std::string_view hash = path.substr(hash_start, path.size() - kSuffix.size() - hash_start);
  const Song* song = TheCatalogue().FindFile(std::atoi(owner.c_str()), hash);
  return song && Mp3Path(*song) == path ? song : nullptr;
}

}  // namespace

Response Mp3File(const RouteContext& context) {
  const Song* song = SongAtPath(context.request.path);
  // A storage host with a number holds only the files of that server.
  if (!song || (context.host.storage_server != 0 && context.host.storage_server != song->server))
    return ErrorPage(404);
  Response response;
  response.content_type = kMp3Type;
  response.body = Body::Frames(Mp3BytesForDuration(song->duration));
  return response;
}

}  // namespace melvoro::netsim
