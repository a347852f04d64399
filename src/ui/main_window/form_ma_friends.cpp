// The main window's side of the friends page: the frame in its tab and the forwarders of its
// buttons.
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/friends/friends_frame.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/results_frame.h"

namespace melvoro::ui {

void MainWindow::BuildFriendsPage() {
  auto* layout = new QVBoxLayout(friends_page_);
  layout->setContentsMargins(0, 0, 0, 0);
  friends_frame_ = new FriendsFrame(
      engine_.Friends(), [this](std::vector<Song> songs) { engine_.Results().ShowResults(std::move(songs)); },
      [this] { SwitchToResultsLayout(); }, friends_page_);
  layout->addWidget(friends_frame_);
  connect(friends_frame_->MyFriendsButton(), &QPushButton::clicked, this,
          &MainWindow::OnFriendsMyFriendsClicked);
  connect(friends_frame_->MyGroupsButton(), &QPushButton::clicked, this,
          &MainWindow::OnFriendsMyGroupsClicked);
  connect(friends_frame_->MyPageButton(), &QPushButton::clicked, this, &MainWindow::OnFriendsMyPageClicked);
  connect(friends_frame_->ContinueButton(), &QPushButton::clicked, this,
          &MainWindow::OnFriendsContinueClicked);
}

void MainWindow::OnFriendsMyFriendsClicked() { friends_frame_->OnMyFriendsClicked(); }

void MainWindow::OnFriendsMyGroupsClicked() { friends_frame_->OnMyGroupsClicked(); }

// "Продолжить" is run directly: it must work while its button is still disabled.
void MainWindow::OnFriendsMyPageClicked() {
  friends_frame_->OnMyPageClicked();
  OnFriendsContinueClicked();
}

void MainWindow::OnFriendsContinueClicked() {
  // Hidden only for a list on its way: a refused load would leave the rows hidden for good.
  if (friends_frame_->OnContinueClicked()) ResultsPane()->hide();
}

}  // namespace melvoro::ui
