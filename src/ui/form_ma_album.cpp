// The main window's side of the album page: its handlers. The page is never reachable and makes
// no album request; what it would hand to the download list goes through the engine's queue.
#include <QLineEdit>
#include <QPushButton>
#include <exception>

#include "core/cp1251.h"
#include "core/message_box.h"
#include "core/texts.h"
#include "ui/activity_indicator_widget.h"
#include "ui/album_page.h"
#include "ui/download_list_view.h"
#include "ui/form_ma.h"
#include "ui/form_settings.h"
#include "ui/result_row_widgets.h"
#include "ui/singles_page.h"

namespace melvoro::ui {

void TformMa::BuildAlbumPage() {
  connect(album_page_, &AlbumPage::requestEntered, this, &TformMa::OnAlbumRequestEntered);
  connect(album_page_->SearchButton(), &QPushButton::clicked, this, &TformMa::OnAlbumSearchClicked);
  connect(album_page_->OtherArtistsLink(), &ClickLabel::clicked, this, &TformMa::OnAlbumOtherArtistsClicked);
  connect(album_page_->BackToAlbumsLink(), &ClickLabel::clicked, this, &TformMa::OnAlbumBackToAlbumsClicked);
  connect(album_page_->DownloadButton(), &QPushButton::clicked, this, &TformMa::OnAlbumDownloadClicked);
  SetAlbumScrollBox(album_page_->GridBox());
}

void TformMa::OnAlbumPageShown() {
  album_page_->HoldCredit(singles_->CreditPanel());
  album_page_->RequestField()->setFocus();
}

void TformMa::OnAlbumRequestEntered() {
  album_page_->SearchButton()->click();
  album_page_->RequestField()->selectAll();
}

void TformMa::OnAlbumSearchClicked() {
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

void TformMa::OnAlbumOtherArtistsClicked() { album_page_->SearchButton()->click(); }

void TformMa::OnAlbumBackToAlbumsClicked() {
  download_view_->show();
  album_page_->ShowGridView(ActivityIndicatorWidget::Picture(indicator_->ShownPicture()));
}

void TformMa::OnAlbumDownloadClicked() {
  // Enabled again only when another album is shown; a failure leaves it off too.
  album_page_->DownloadButton()->setEnabled(false);
  // The album goes under the settings window's last existing folder; without one it is refused.
  const auto* settings = qobject_cast<const TformSettings*>(settings_window_);
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
