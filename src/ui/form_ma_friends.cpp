// The main window's side of the friends page: the frame in its tab and the forwarders of its
// buttons.
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/form_ma.h"
#include "ui/friends_frame.h"
#include "ui/results_frame.h"

namespace melvoro::ui {

void TformMa::BuildFriendsPage() {
  auto* layout = new QVBoxLayout(friends_page_);
  layout->setContentsMargins(0, 0, 0, 0);
  friends_frame_ = new TframeFriends(
      engine_.Friends(), [this](std::vector<song> songs) { engine_.Results().ShowResults(std::move(songs)); },
      [this] { SwitchToResultsLayout(); }, friends_page_);
  layout->addWidget(friends_frame_);
  connect(friends_frame_->MyFriendsButton(), &QPushButton::clicked, this,
          &TformMa::OnFriendsMyFriendsClicked);
  connect(friends_frame_->MyGroupsButton(), &QPushButton::clicked, this, &TformMa::OnFriendsMyGroupsClicked);
  connect(friends_frame_->MyPageButton(), &QPushButton::clicked, this, &TformMa::OnFriendsMyPageClicked);
  connect(friends_frame_->ContinueButton(), &QPushButton::clicked, this, &TformMa::OnFriendsContinueClicked);
}

void TformMa::OnFriendsMyFriendsClicked() { friends_frame_->OnMyFriendsClicked(); }

void TformMa::OnFriendsMyGroupsClicked() { friends_frame_->OnMyGroupsClicked(); }

// "Продолжить" is run directly: it must work while its button is still disabled.
void TformMa::OnFriendsMyPageClicked() {
  friends_frame_->OnMyPageClicked();
  OnFriendsContinueClicked();
}

void TformMa::OnFriendsContinueClicked() {
  // Hidden only for a list on its way: a refused load would leave the rows hidden for good.
  if (friends_frame_->OnContinueClicked()) ResultsFrame()->hide();
}

}  // namespace melvoro::ui
