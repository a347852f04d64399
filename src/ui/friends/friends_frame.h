// FriendsFrame, the "Друзья" page: the buttons that list friends or groups or open the user's
// own page, the list, and the selected entry's picture and name. It shows the engine's
// FriendsList and forwards clicks to it.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "core/listeners.h"

#include "friends/friends_list.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace melvoro::ui {

class FriendsFrame final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPanelHeight = 97;
  static constexpr int kInfoWidth = 124;
  static constexpr int kPictureWidth = 122;
  static constexpr int kPictureHeight = 184;

  // list must outlive the frame. show_results receives the songs of the list "Продолжить" opens;
  // switch_layout is the main window's switch to its results layout.
  FriendsFrame(FriendsList& list, SearchController::ResultHandler show_results,
               std::function<void()> switch_layout, QWidget* parent = nullptr);

  void OnMyFriendsClicked();
  void OnMyGroupsClicked();
  // Chooses the own page and runs "Продолжить" directly: it must work while its button is
  // still disabled.
  void OnMyPageClicked();
  // True when an audio list was requested.
  bool OnContinueClicked();

  QPushButton* MyPageButton() const { return my_page_button_; }
  QPushButton* MyFriendsButton() const { return my_friends_button_; }
  QPushButton* MyGroupsButton() const { return my_groups_button_; }
  QPushButton* ContinueButton() const { return continue_button_; }
  QListWidget* List() const { return list_view_; }
  QLabel* PictureBox() const { return picture_; }
  QLabel* ChoiceLabel() const { return choice_label_; }

 signals:
  // An audio list is on its way: the results frame hides until its songs arrive.
  void listRequested();

 private:
  void BuildWidgets();
  void ShowEntries();
  void ShowState();
  void ShowPicture(const std::optional<Picture>& picture);
  void OnSelectionChanged();

  FriendsList& list_;
  SearchController::ResultHandler show_results_;
  std::function<void()> switch_layout_;
  std::vector<Subscription> subscriptions_;  // what the frame hears of the list

  QWidget* help_panel_ = nullptr;
  QLabel* help_label_ = nullptr;
  QPushButton* my_page_button_ = nullptr;
  QPushButton* my_friends_button_ = nullptr;
  QPushButton* my_groups_button_ = nullptr;
  QListWidget* list_view_ = nullptr;
  QWidget* info_panel_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* choice_label_ = nullptr;
  QPushButton* continue_button_ = nullptr;
};

}  // namespace melvoro::ui
