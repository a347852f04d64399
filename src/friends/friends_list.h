// The friends page without a screen: the list of friends or groups, the chosen entry, the
// picture of the selected entry, and the audio list "Продолжить" opens. A front shows what the
// notifications report and forwards clicks.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/http/hosts.h"
#include "core/http/http_request.h"
#include "core/listeners.h"
#include "friends/friends_parser.h"
#include "friends/jpeg_picture.h"
#include "search/search_controller.h"

namespace melvoro {

class ProgramLog;
class SettingsTable;

enum class AudioListKind { kOwn, kFriend, kGroup };

// The choice tag of the user's own page; 0 is "nothing chosen".
inline constexpr std::int32_t kOwnPageTag = -1;

class FriendsList {
 public:
  // Everything given must outlive the list; the owner shuts the UI thread down before
  // destroying it, so no answer arrives afterwards.
  FriendsList(const RequestContext& context, const SettingsTable& settings, const Hosts& hosts,
              ProgramLog& log, SearchController& controller);

  // "Мои друзья" / "Мои группы": the list is cleared and the page requested; the source
  // buttons are off until it is answered.
  void LoadFriends();
  void LoadGroups();

  // An entry became selected: placeholder picture, its own picture when its address
  // qualifies, and the choice. An entry whose id is not a 32-bit number shows its name but
  // clears the choice, so "Продолжить" opens nothing for it.
  void Select(std::size_t index);
  // "Моя страница".
  void ChooseOwnPage() { tag_ = kOwnPageTag; }

  // "Продолжить": nothing happens while nothing is chosen. Otherwise the list title is set and
  // the controller asked for the list; handler gets its songs. True when the controller took
  // the request (it refuses while busy).
  bool OpenChosen(const SearchController::ResultHandler& handler);
  // One audio list of a kind, as "Продолжить" opens it; name is the friend's or group's.
  bool OpenList(AudioListKind kind, std::int32_t id, const std::string& name,
                const SearchController::ResultHandler& handler);

  // In the order the list shows them.
  const std::vector<FriendEntry>& Entries() const { return entries_; }
  // The entries of the last page answered, in the page's order.
  const std::vector<FriendEntry>& PageEntries() const { return page_entries_; }
  bool ListIsFriends() const { return list_is_friends_; }
  bool NameOrder() const { return name_order_; }
  bool SourceButtonsEnabled() const { return source_buttons_enabled_; }
  bool ContinueEnabled() const { return continue_enabled_; }
  const std::string& ChoiceName() const { return choice_name_; }
  std::int32_t ChoiceTag() const { return tag_; }
  // Whether the last list request failed (its box has been shown).
  bool LastLoadFailed() const { return last_load_failed_; }

  std::string SiteRoot() const;

  // Notifications, on the UI thread.
  Listeners<> OnEntriesChanged;
  Listeners<> OnStateChanged;  // buttons or choice
  // The picture to show; nothing means the placeholder.
  Listeners<const std::optional<Picture>&> OnPicture;

 private:
  void StartList(const std::string& path, bool friends);
  void ListDone(HttpRequest& worker, bool friends);
  void ListFailed(const std::string& message);
  void Append(FriendEntry entry);
  void SetSourceButtons(bool enabled);

  RequestContext context_;
  const SettingsTable& settings_;
  const Hosts& hosts_;
  ProgramLog& log_;
  SearchController& controller_;

  std::vector<FriendEntry> entries_;
  std::vector<FriendEntry> page_entries_;
  bool list_is_friends_ = false;
  bool name_order_ = false;
  bool source_buttons_enabled_ = true;
  bool continue_enabled_ = false;
  bool last_load_failed_ = false;
  std::string choice_name_;
  std::int32_t tag_ = 0;
  std::uint64_t picture_request_ = 0;  // the selection whose picture may still be shown
};

}  // namespace melvoro
