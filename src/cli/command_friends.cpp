// melvoro-cli friends / groups: the entries of the list, in the page's order;
// melvoro-cli audio own|friend ID NAME|group ID NAME: the audio list "Продолжить" opens.
#include <iostream>
#include <optional>
#include <vector>

#include "cli/commands.h"
#include "cli/console_session.h"
#include "cli/console_startup.h"
#include "cli/one_line.h"
#include "cli/stop_signals.h"
#include "core/text/cp1251.h"
#include "core/text/text_helpers.h"

namespace melvoro::cli {

namespace {

int PrintEntries(bool friends) {
  auto config = ConsoleStartup();
  if (!config) return kExitNoSession;
  ConsoleSession session(std::move(*config));
  FriendsList& list = session.engine.Friends();
  friends ? list.LoadFriends() : list.LoadGroups();
  session.RunUntil([&] { return list.SourceButtonsEnabled(); });
  if (StopRequested()) return StopExitCode();
  if (list.LastLoadFailed()) return 1;
  for (const FriendEntry& entry : list.PageEntries())
    std::cout << OneLine(entry.Name) << '\t' << OneLine(entry.Id) << '\t' << OneLine(entry.Picture) << '\n';
  std::cout.flush();
  return std::cout ? 0 : 1;
}

struct AudioChoice {
  AudioListKind kind = AudioListKind::kOwn;
  std::int32_t id = kOwnPageTag;
  std::string name;  // Windows-1251
};

std::optional<AudioChoice> ParseAudioArgs(const Args& args) {
  if (args.size() == 1 && args[0] == "own") return AudioChoice{};
  if (args.size() != 3 || (args[0] != "friend" && args[0] != "group")) return std::nullopt;
  const std::optional<std::int32_t> id = DecimalNumber(args[1]);
  if (!id || *id <= 0) return std::nullopt;
  return AudioChoice{args[0] == "friend" ? AudioListKind::kFriend : AudioListKind::kGroup, *id,
                     Utf8ToCp1251(args[2])};
}

}  // namespace

int CommandFriends(const Args& args) {
  if (!args.empty()) {
    PrintUsage("friends");
    return 2;
  }
  return PrintEntries(true);
}

int CommandGroups(const Args& args) {
  if (!args.empty()) {
    PrintUsage("groups");
    return 2;
  }
  return PrintEntries(false);
}

int CommandAudio(const Args& args) {
  const std::optional<AudioChoice> choice = ParseAudioArgs(args);
  if (!choice) {
    PrintUsage("audio");
    return 2;
  }
  auto config = ConsoleStartup();
  if (!config) return kExitNoSession;
  ConsoleSession session(std::move(*config));
  std::optional<std::vector<Song>> found;
  session.engine.Friends().OpenList(choice->kind, choice->id, choice->name,
                                    [&found](std::vector<Song> songs) { found = std::move(songs); });
  session.RunUntil([&] { return !session.engine.Controller().Busy(); });
  if (StopRequested()) return StopExitCode();
  if (!found) return 1;
  std::cout << "title " << OneLine(session.engine.Controller().ListTitle) << '\n';
  for (const Song& s : *found)
    std::cout << OneLine(s.Name()) << '\t' << s.Duration << '\t' << OneLine(s.Link) << '\n';
  std::cout.flush();
  return std::cout ? 0 : 1;
}

}  // namespace melvoro::cli
