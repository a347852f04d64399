#include "friends/friends_list.h"

#include <algorithm>

#include "core/config/settings_table.h"
#include "core/log/program_log.h"
#include "core/os/message_box.h"
#include "core/text/text_helpers.h"
#include "core/text/texts.h"
#include "friends/name_order.h"

namespace melvoro {

namespace {

// An avatar is a few kilobytes; nothing near the general 16 MiB is a picture worth holding.
constexpr std::uint64_t kMaxPictureBody = std::uint64_t{4} << 20;

bool EntryBefore(const FriendEntry& a, const FriendEntry& b) { return NameBefore(a.Name, b.Name); }

}  // namespace

FriendsList::FriendsList(const RequestContext& context, const SettingsTable& settings, const Hosts& hosts,
                         ProgramLog& log, SearchController& controller)
    : context_(context), settings_(settings), hosts_(hosts), log_(log), controller_(controller) {}

std::string FriendsList::SiteRoot() const { return "http://" + hosts_.Network; }

void FriendsList::LoadFriends() { StartList("/friends.php", true); }

void FriendsList::LoadGroups() { StartList("/groups.php", false); }

void FriendsList::StartList(const std::string& path, bool friends) {
  ++picture_request_;  // the old list's selection is gone with it
  entries_.clear();
  // Neither the pane nor «Продолжить» may go on showing an entry of a list no longer listed.
  choice_name_.clear();
  tag_ = 0;
  continue_enabled_ = false;
  OnEntriesChanged();
  list_is_friends_ = friends;
  auto worker = std::make_unique<HttpRequest>(context_);
  worker->Url = SiteRoot() + path;
  worker->Cookie = settings_.Get("cookie");
  worker->OnDone = [this, friends](HttpRequest& w) { ListDone(w, friends); };
  worker->OnError = [this](HttpRequest&, const std::string& message) { ListFailed(message); };
  HttpRequest::Start(std::move(worker));
  SetSourceButtons(false);
}

void FriendsList::ListDone(HttpRequest& worker, bool friends) {
  last_load_failed_ = false;
  page_entries_ =
      friends ? ParseFriendsPage(worker.Response, SiteRoot()) : ParseGroupsPage(worker.Response, SiteRoot());
  for (const FriendEntry& entry : page_entries_) Append(entry);
  if (page_entries_.empty()) {
    log_.AddLogEntry(friends ? texts::kFriendsParseError.str() : texts::kGroupsParseError.str(),
                     worker.Response, kLogNothingFound);
  }
  // Once friends were listed, every list of the run keeps name order.
  if (friends && !name_order_) {
    name_order_ = true;
    std::stable_sort(entries_.begin(), entries_.end(), EntryBefore);
  }
  OnEntriesChanged();
  SetSourceButtons(true);
}

void FriendsList::ListFailed(const std::string& message) {
  last_load_failed_ = true;
  page_entries_.clear();
  context_.boxes.Show(texts::kRequestErrorCaption.str(), message, MessageIcon::Error);
  SetSourceButtons(true);
}

void FriendsList::Append(FriendEntry entry) {
  if (!name_order_) {
    entries_.push_back(std::move(entry));
    return;
  }
  const auto at = std::upper_bound(entries_.begin(), entries_.end(), entry, EntryBefore);
  entries_.insert(at, std::move(entry));
}

void FriendsList::SetSourceButtons(bool enabled) {
  source_buttons_enabled_ = enabled;
  OnStateChanged();
}

void FriendsList::Select(std::size_t index) {
  if (index >= entries_.size()) return;
  const FriendEntry entry = entries_[index];
  OnPicture(std::nullopt);
  const std::uint64_t request = ++picture_request_;
  if (PictureWanted(entry.Picture)) {
    auto worker = std::make_unique<HttpRequest>(context_);
    worker->Url = entry.Picture;
    worker->MaxMemoryBody = kMaxPictureBody;
    worker->OnDone = [this, request](HttpRequest& w) {
      // The picture of an entry no longer selected must not stand beside another's name.
      if (request != picture_request_) return;
      // A body that does not decode keeps the placeholder, as a failed request does.
      std::optional<Picture> picture = DecodeJpeg(w.Response);
      if (picture) OnPicture(picture);
    };
    worker->OnError = [](HttpRequest&, const std::string&) {};
    HttpRequest::Start(std::move(worker));
  }
  choice_name_ = entry.Name;
  const std::optional<std::int32_t> id = DecimalNumber(entry.Id);
  tag_ = id.value_or(0);
  continue_enabled_ = id.has_value();
  OnStateChanged();
}

bool FriendsList::OpenChosen(const SearchController::ResultHandler& handler) {
  if (tag_ == 0) return false;
  const AudioListKind kind = tag_ == kOwnPageTag ? AudioListKind::kOwn
                             : list_is_friends_  ? AudioListKind::kFriend
                                                 : AudioListKind::kGroup;
  return OpenList(kind, tag_, choice_name_, handler);
}

bool FriendsList::OpenList(AudioListKind kind, std::int32_t id, const std::string& name,
                           const SearchController::ResultHandler& handler) {
  // The title changes whether or not the controller takes the request.
  const std::string app = texts::kAppTitle.str();
  bool started = false;
  switch (kind) {
    case AudioListKind::kOwn:
      controller_.ListTitle = texts::kOwnPageTitle.str() + app + ")";
      started = controller_.LoadPage(SiteRoot() + "/audio.php", handler);
      break;
    case AudioListKind::kFriend:
      started = controller_.LoadPage(SiteRoot() + "/audio.php?id=" + std::to_string(id), handler);
      controller_.ListTitle = name + texts::kFriendTitleInfix.str() + app + ")";
      break;
    case AudioListKind::kGroup:
      controller_.ListTitle = texts::kGroupTitlePrefix.str() + name + " (" + app + ")";
      started = controller_.LoadPage(SiteRoot() + "/audio.php?gid=" + std::to_string(id), handler);
      break;
  }
  return started;
}

}  // namespace melvoro
