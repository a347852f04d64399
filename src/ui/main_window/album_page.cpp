#include "ui/main_window/album_page.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QValidator>
#include <exception>

#include "core/os/message_box.h"
#include "core/text/cp1251.h"
#include "downloads/download_queue.h"
#include "qt_seams/qt_text.h"
#include "ui/main_window/result_row_widgets.h"
#include "ui/window_texts.h"

namespace melvoro::ui {

namespace {

constexpr int kLeft = 12;
constexpr int kFieldLeft = 16;
constexpr int kHeadingTop = 40;
constexpr int kHeadingHeight = 58;
constexpr int kFieldWidth = 400;
constexpr int kFieldHeight = 26;
constexpr int kButtonWidth = 75;
constexpr int kGridTop = 180;
constexpr int kCoverSide = 100;
constexpr int kHelpLeft = 200;  // right of the heading

QFont Arial(int pixel_height) {
  QFont font("Arial");
  font.setPixelSize(pixel_height);
  return font;
}

// Typing stops at the limit, but the prompt the field starts with is longer than the limit:
// QLineEdit's own maximum would cut it short.
class MaxLengthValidator final : public QValidator {
 public:
  MaxLengthValidator(int max_length, QObject* parent) : QValidator(parent), max_length_(max_length) {}
  State validate(QString& input, int& /*pos*/) const override {
    return input.size() <= max_length_ ? Acceptable : Invalid;
  }

 private:
  int max_length_;
};

ClickLabel* LinkLabel(const char* name, std::string_view caption, QWidget* parent) {
  auto* link = new ClickLabel(ToQString(caption), parent);
  link->setObjectName(name);
  QFont font = link->font();
  font.setBold(true);
  font.setUnderline(true);
  link->setFont(font);
  QPalette blue = link->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  link->setPalette(blue);
  link->setCursor(Qt::PointingHandCursor);
  link->adjustSize();
  link->hide();
  return link;
}

}  // namespace

AlbumPage::AlbumPage(AlbumPageLinks links, QWidget* parent) : QWidget(parent), links_(std::move(links)) {
  setObjectName("TabSheet2");
  panel_ = new QFrame(this);
  panel_->setObjectName("lastfmpanel");

  heading_label_ = new QLabel(ToQString(texts::kAlbumHeading), panel_);
  heading_label_->setObjectName("lastfmLabel");
  heading_label_->setFont(Arial(48));
  heading_label_->setAutoFillBackground(true);
  QPalette heading = heading_label_->palette();
  heading.setColor(QPalette::Window, QColor(128, 0, 128));
  heading.setColor(QPalette::WindowText, QColor(220, 65, 58));
  heading_label_->setPalette(heading);
  heading_label_->adjustSize();
  // The font's line is taller than the room above the field.
  heading_label_->setGeometry(kLeft, kHeadingTop, heading_label_->width(), kHeadingHeight);

  help_label_ = new QLabel(panel_);
  help_label_->setObjectName("lastfmHelpLabel");
  help_label_->setFont(Arial(24));
  help_label_->setGeometry(kLeft + kHelpLeft, kHeadingTop, kGridWidth - kHelpLeft, kHeadingHeight);

  request_field_ = new QLineEdit(ToQString(texts::kAlbumRequestPrompt), panel_);
  request_field_->setObjectName("lastfmRequest");
  request_field_->setValidator(new MaxLengthValidator(kRequestMaxLength, request_field_));
  request_field_->setFont(Arial(16));
  request_field_->setGeometry(kFieldLeft, kHeadingTop + kRequestBelowHeading, kFieldWidth, kFieldHeight);
  request_field_->installEventFilter(this);

  search_button_ = new QPushButton(ToQString(texts::kAlbumSearchButton), panel_);
  search_button_->setObjectName("lastfmSearchButton");
  search_button_->setAutoDefault(false);
  search_button_->setGeometry(kFieldLeft, kHeadingTop + kButtonBelowHeading, kButtonWidth, kFieldHeight);

  other_artists_link_ = LinkLabel("lastfmOtherArtists", texts::kAlbumOtherArtists, panel_);
  other_artists_link_->move(kFieldLeft + kButtonWidth + 12, search_button_->y() + 4);
  back_to_albums_link_ = LinkLabel("lastfmBackToAlbums", texts::kAlbumBackToAlbums, panel_);
  back_to_albums_link_->move(other_artists_link_->geometry().right() + 12, search_button_->y() + 4);

  grid_box_ = new QScrollArea(panel_);
  grid_box_->setObjectName("lastfmscrollbox");
  grid_box_->setGeometry(kLeft, kGridTop, kGridWidth, kGridHeight);
  grid_box_->hide();

  memo_ = new QPlainTextEdit(panel_);
  memo_->setObjectName("Memo2");
  memo_->hide();

  BuildSongsBox();
  connect(this, &AlbumPage::requestEntered, this, &AlbumPage::OnRequestEntered);
  connect(search_button_, &QPushButton::clicked, this, &AlbumPage::OnSearchClicked);
  connect(other_artists_link_, &ClickLabel::clicked, this, &AlbumPage::OnOtherArtistsClicked);
  connect(back_to_albums_link_, &ClickLabel::clicked, this, &AlbumPage::OnBackToAlbumsClicked);
  connect(download_button_, &QPushButton::clicked, this, &AlbumPage::OnDownloadClicked);
}

void AlbumPage::BuildSongsBox() {
  songs_box_ = new QScrollArea(panel_);
  songs_box_->setObjectName("lastfmSongsBox");
  auto* content = new QWidget;
  cover_picture_ = new QLabel(content);
  cover_picture_->setObjectName("Image3");
  cover_picture_->setGeometry(8, 8, kCoverSide, kCoverSide);
  artist_label_ = new QLabel(ToQString(texts::kAlbumArtistPlaceholder), content);
  artist_label_->setObjectName("artistLabel");
  album_label_ = new QLabel(ToQString(texts::kAlbumAlbumPlaceholder), content);
  album_label_->setObjectName("AlbumLabel");
  for (QLabel* label : {artist_label_, album_label_}) label->setFont(Arial(21));
  artist_label_->setGeometry(kCoverSide + 20, 8, kFieldWidth, 30);
  album_label_->setGeometry(kCoverSide + 20, 44, kFieldWidth, 30);
  song_list_ = new QListWidget(content);
  song_list_->setObjectName("songlist");
  song_list_->setGeometry(8, kCoverSide + 16, kFieldWidth + 20, 100);
  download_button_ = new QPushButton(ToQString(texts::kAlbumDownloadButton), content);
  download_button_->setObjectName("DownloadIt");
  download_button_->setAutoDefault(false);
  download_button_->setGeometry(kFieldWidth + 40, kCoverSide + 16, 100, kFieldHeight);
  content->resize(kFieldWidth + 150, kCoverSide + 124);
  songs_box_->setWidget(content);
  songs_box_->hide();
}

bool AlbumPage::RequestIsPrompt() const {
  return request_field_->text() == ToQString(texts::kAlbumRequestPrompt);
}

std::vector<std::string> AlbumPage::CheckedTitles() const {
  std::vector<std::string> titles;
  for (int i = 0; i < song_list_->count(); ++i) {
    const QListWidgetItem* item = song_list_->item(i);
    if (item->checkState() == Qt::Checked) titles.push_back(FromQString(item->text()));
  }
  return titles;
}

std::string AlbumPage::ArtistCaption() const { return FromQString(artist_label_->text()); }

std::string AlbumPage::AlbumCaption() const { return FromQString(album_label_->text()); }

void AlbumPage::HoldCredit(QWidget* credit) {
  const bool hidden = credit->isHidden();  // a new parent hides it; it keeps what it was
  credit->setParent(panel_);
  credit->move(credit->x(), panel_->height() - credit->height());
  credit->setVisible(!hidden);
}

void AlbumPage::ShowSearchLayout() {
  heading_label_->move(heading_label_->x(), kSearchedHeadingTop);
  request_field_->move(request_field_->x(), kSearchedHeadingTop + kRequestBelowHeading);
  search_button_->move(search_button_->x(), kSearchedHeadingTop + kButtonBelowHeading);
  songs_box_->hide();
  back_to_albums_link_->hide();
}

void AlbumPage::ShowGridView(const QImage& loading) {
  songs_box_->hide();
  song_list_->hide();
  back_to_albums_link_->hide();
  grid_box_->show();
  cover_picture_->setPixmap(QPixmap::fromImage(loading));
  artist_label_->clear();
  album_label_->clear();
  song_list_->clear();
  download_button_->setEnabled(true);
  PlaceSongsBox();
}

bool AlbumPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == request_field_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl+Enter is another key (a line feed), left to the field.
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        !key->modifiers().testFlag(Qt::ControlModifier)) {
      emit requestEntered();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void AlbumPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  panel_->setGeometry(rect());
  PlaceSongsBox();
}

void AlbumPage::PlaceSongsBox() {
  songs_box_->setGeometry(0, panel_->height() - kSongsBoxHeight, panel_->width(), kSongsBoxHeight);
}

void AlbumPage::OnShown(QWidget* credit) {
  HoldCredit(credit);
  request_field_->setFocus();
}

void AlbumPage::OnRequestEntered() {
  search_button_->click();
  request_field_->selectAll();
}

void AlbumPage::OnSearchClicked() {
  if (RequestIsPrompt()) {
    links_.boxes.Show(texts::kAppTitle.str(), texts::kAlbumRequestMissing.str(), MessageIcon::None);
    return;
  }
  // The first page must not be left half moved: its search box, buttons, message and credit.
  emit searchAccepted();
  request_field_->setFocus();
  request_field_->selectAll();
  ShowSearchLayout();
}

void AlbumPage::OnOtherArtistsClicked() { search_button_->click(); }

void AlbumPage::OnBackToAlbumsClicked() {
  emit backToAlbums();
  ShowGridView(links_.loading_picture());
}

void AlbumPage::OnDownloadClicked() {
  // Enabled again only when another album is shown; a failure leaves it off too.
  download_button_->setEnabled(false);
  try {
    // Without an existing folder the album is refused.
    links_.queue.QueueAlbumDownload(CheckedTitles(), ArtistCaption(), AlbumCaption(),
                                    links_.download_folder());
  } catch (const std::exception& error) {
    // Exception texts (file errors among them) are UTF-8; boxes take Windows-1251.
    links_.boxes.Show(texts::kAppTitle.str(), Utf8ToCp1251(error.what()), MessageIcon::Error);
  }
}

}  // namespace melvoro::ui
