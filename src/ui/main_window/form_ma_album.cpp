// The main window's side of the album page: its handlers. The page is never reachable and makes
// no album request; what it would hand to the download list goes through the engine's queue.
#include <QLineEdit>
#include <QPushButton>
#include <exception>

#include "core/os/message_box.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "ui/main_window/album_page.h"
#include "ui/main_window/download_list_view.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/result_row_widgets.h"
#include "ui/main_window/singles_page.h"
#include "ui/settings/settings_window.h"
#include "ui/widgets/activity_indicator_widget.h"

namespace melvoro::ui {

void MainWindow::BuildAlbumPage() {
  connect(album_page_, &AlbumPage::requestEntered, this, &MainWindow::OnAlbumRequestEntered);
  connect(album_page_->SearchButton(), &QPushButton::clicked, this, &MainWindow::OnAlbumSearchClicked);
  connect(album_page_->OtherArtistsLink(), &ClickLabel::clicked, this,
          &MainWindow::OnAlbumOtherArtistsClicked);
  connect(album_page_->BackToAlbumsLink(), &ClickLabel::clicked, this,
          &MainWindow::OnAlbumBackToAlbumsClicked);
  connect(album_page_->DownloadButton(), &QPushButton::clicked, this, &MainWindow::OnAlbumDownloadClicked);
  SetAlbumScrollBox(album_page_->GridBox());
}

void MainWindow::OnAlbumPageShown() {
  album_page_->HoldCredit(singles_->CreditPanel());
  album_page_->RequestField()->setFocus();
}

void MainWindow::OnAlbumRequestEntered() {
  album_page_->SearchButton()->click();
  album_page_->RequestField()->selectAll();
}

void MainWindow::OnAlbumSearchClicked() {
  if (album_page_->RequestIsPrompt()) {
    seams_.boxes.Show(texts::kAppTitle.str(), texts::kAlbumRequestMissing.str(), MessageIcon::None);
    return;
  }
  // The first page goes over to its results layout as a search would: its search box, buttons,
  // message and credit must not be left half moved.
  results_shown_ = true;
  singles_->SwitchToResultsLayout();
  album_page_->RequestField()->setFocus();
  album_page_->RequestField()->selectAll();
  album_page_->ShowSearchLayout();
}

void MainWindow::OnAlbumOtherArtistsClicked() { album_page_->SearchButton()->click(); }

void MainWindow::OnAlbumBackToAlbumsClicked() {
  download_view_->show();
  album_page_->ShowGridView(ActivityIndicatorWidget::Picture(indicator_->ShownPicture()));
}

void MainWindow::OnAlbumDownloadClicked() {
  // Enabled again only when another album is shown; a failure leaves it off too.
  album_page_->DownloadButton()->setEnabled(false);
  // The album goes under the settings window's last existing folder; without one it is refused.
  const auto* settings = qobject_cast<const SettingsWindow*>(settings_window_);
  try {
    engine_.Queue().QueueAlbumDownload(album_page_->CheckedTitles(), album_page_->ArtistCaption(),
                                       album_page_->AlbumCaption(),
                                       settings != nullptr ? settings->DownloadFolder() : std::string());
  } catch (const std::exception& error) {
    // Exception texts (file errors among them) are UTF-8; boxes take Windows-1251.
    ShowError(texts::kAppTitle.str(), Utf8ToCp1251(error.what()));
  }
}

}  // namespace melvoro::ui
