#include "ui/friends/friends_frame.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "downloads/download_list.h"
#include "qt_seams/qt_text.h"
#include "ui/main_window/state_icons.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

FriendsFrame::FriendsFrame(FriendsList& list, SearchController::ResultHandler show_results,
                           std::function<void()> switch_layout, QWidget* parent)
    : QWidget(parent),
      list_(list),
      show_results_(std::move(show_results)),
      switch_layout_(std::move(switch_layout)) {
  setObjectName("frameFriends1");
  BuildWidgets();
  subscriptions_.emplace_back(list_.OnEntriesChanged, [this] { ShowEntries(); });
  subscriptions_.emplace_back(list_.OnStateChanged, [this] { ShowState(); });
  subscriptions_.emplace_back(list_.OnPicture,
                              [this](const std::optional<Picture>& picture) { ShowPicture(picture); });
  ShowEntries();
  ShowState();
}

void FriendsFrame::BuildWidgets() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  help_panel_ = new QWidget(this);
  help_panel_->setObjectName("Panel1");
  help_panel_->setFixedHeight(kPanelHeight);
  auto* help_layout = new QVBoxLayout(help_panel_);
  help_label_ = new QLabel(ToQString(texts::kFriendsHelp), help_panel_);
  help_label_->setObjectName("Label6");
  help_label_->setWordWrap(true);
  QFont bold = help_label_->font();
  bold.setBold(true);
  help_label_->setFont(bold);
  help_layout->addWidget(help_label_);
  auto* buttons = new QHBoxLayout;
  my_page_button_ = new QPushButton(ToQString(texts::kMyPage), help_panel_);
  my_page_button_->setObjectName("BitBtn3");
  my_friends_button_ = new QPushButton(ToQString(texts::kMyFriends), help_panel_);
  my_friends_button_->setObjectName("BitBtn2");
  my_groups_button_ = new QPushButton(ToQString(texts::kMyGroups), help_panel_);
  my_groups_button_->setObjectName("BitBtn4");
  for (QPushButton* button : {my_page_button_, my_friends_button_, my_groups_button_})
    buttons->addWidget(button);
  buttons->addStretch(1);
  help_layout->addLayout(buttons);
  layout->addWidget(help_panel_);

  auto* body = new QHBoxLayout;
  body->setSpacing(0);
  list_view_ = new QListWidget(this);
  list_view_->setObjectName("listFriends");
  list_view_->setViewMode(QListView::ListMode);
  list_view_->setFlow(QListView::TopToBottom);
  list_view_->setWrapping(true);
  list_view_->setResizeMode(QListView::Adjust);
  list_view_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  body->addWidget(list_view_, 1);

  info_panel_ = new QWidget(this);
  info_panel_->setObjectName("Panel2");
  info_panel_->setFixedWidth(kInfoWidth);
  auto* info = new QVBoxLayout(info_panel_);
  info->setContentsMargins(1, 1, 1, 4);
  picture_ = new QLabel(info_panel_);
  picture_->setObjectName("Image1");
  picture_->setFixedSize(kPictureWidth, kPictureHeight);
  // Unscaled from the top-left corner: a larger picture is cut off, not shrunk.
  picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  info->addWidget(picture_);
  choice_label_ = new QLabel(info_panel_);
  choice_label_->setObjectName("Label2");
  choice_label_->setWordWrap(true);
  info->addWidget(choice_label_);
  info->addStretch(1);
  continue_button_ = new QPushButton(ToQString(texts::kContinue), info_panel_);
  continue_button_->setObjectName("Button1");
  info->addWidget(continue_button_);
  body->addWidget(info_panel_);
  layout->addLayout(body, 1);

  connect(my_friends_button_, &QPushButton::clicked, this, &FriendsFrame::OnMyFriendsClicked);
  connect(my_groups_button_, &QPushButton::clicked, this, &FriendsFrame::OnMyGroupsClicked);
  connect(my_page_button_, &QPushButton::clicked, this, &FriendsFrame::OnMyPageClicked);
  connect(continue_button_, &QPushButton::clicked, this, &FriendsFrame::OnContinueClicked);
  connect(list_view_, &QListWidget::itemSelectionChanged, this, &FriendsFrame::OnSelectionChanged);
  connect(list_view_, &QListWidget::itemDoubleClicked, this, [this] {
    if (continue_button_->isEnabled()) continue_button_->click();
  });
}

void FriendsFrame::OnMyFriendsClicked() {
  list_view_->setFocus();
  list_.LoadFriends();
}

void FriendsFrame::OnMyGroupsClicked() {
  list_view_->setFocus();
  list_.LoadGroups();
}

void FriendsFrame::OnMyPageClicked() {
  list_.ChooseOwnPage();
  OnContinueClicked();
}

bool FriendsFrame::OnContinueClicked() {
  if (list_.ChoiceTag() == 0) return false;
  if (switch_layout_) switch_layout_();
  // Only a list on its way hides the rows: a refused load would leave them hidden for good.
  if (!list_.OpenChosen(show_results_)) return false;
  emit listRequested();
  return true;
}

void FriendsFrame::OnSelectionChanged() {
  const QList<QListWidgetItem*> selected = list_view_->selectedItems();
  if (selected.isEmpty()) return;  // a deselection shows nothing new
  list_.Select(static_cast<std::size_t>(list_view_->row(selected.front())));
}

void FriendsFrame::ShowEntries() {
  const QSignalBlocker quiet(list_view_);
  list_view_->clear();
  for (const FriendEntry& entry : list_.Entries()) list_view_->addItem(ToQString(entry.Name));
}

void FriendsFrame::ShowState() {
  const bool sources = list_.SourceButtonsEnabled();
  for (QPushButton* button : {my_page_button_, my_friends_button_, my_groups_button_})
    button->setEnabled(sources);
  continue_button_->setEnabled(list_.ContinueEnabled());
  choice_label_->setText(ToQString(list_.ChoiceName()));
  if (list_.ChoiceName().empty()) picture_->setPixmap(QPixmap());
}

void FriendsFrame::ShowPicture(const std::optional<Picture>& picture) {
  if (!picture) {
    picture_->setPixmap(StateIcon(DownloadState::NotFound).pixmap(kIconSize, kIconSize));
    return;
  }
  const QImage image(picture->Rgb.data(), picture->Width, picture->Height, picture->Width * 3,
                     QImage::Format_RGB888);
  picture_->setPixmap(QPixmap::fromImage(image.copy()));
}

}  // namespace melvoro::ui
