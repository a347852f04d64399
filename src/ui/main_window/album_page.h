// TabSheet2, "Поиск альбомами": the panel for looking up an artist's albums and downloading an
// album's tracks. The program carries it laid out but never shows or enables it; nothing fills
// its grid or its track list. It builds and places the controls and handles their events; what
// it would hand to the download list goes through the engine's queue.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace melvoro {
class DownloadQueue;
class MessageBoxes;
}  // namespace melvoro

namespace melvoro::ui {

class ClickLabel;

// What the page's handlers reach outside it.
struct AlbumPageLinks {
  DownloadQueue& queue;
  MessageBoxes& boxes;
  // The settings window's last existing folder; empty while there is none.
  std::function<std::string()> download_folder;
  // What the cover shows while an album loads: the activity indicator's picture.
  std::function<QImage()> loading_picture;
};

class AlbumPage final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRequestMaxLength = 32;
  static constexpr int kGridWidth = 529;
  static constexpr int kGridHeight = 297;
  static constexpr int kSongsBoxHeight = 240;
  // Tops below the heading's of the field and the search button in the search layout.
  static constexpr int kSearchedHeadingTop = 5;
  static constexpr int kRequestBelowHeading = 64;
  static constexpr int kButtonBelowHeading = 104;

  explicit AlbumPage(AlbumPageLinks links, QWidget* parent = nullptr);

  // Handlers. The page is never reachable; they keep it whole for the day it is.
  // credit is the main window's credit panel, which the page holds while shown.
  void OnShown(QWidget* credit);
  // Enter in the field: the search button is pressed and the text selected.
  void OnRequestEntered();
  // Refuses the prompt text; otherwise only rearranges the window: no album request exists.
  void OnSearchClicked();
  void OnOtherArtistsClicked();
  void OnBackToAlbumsClicked();
  // The checked tracks, with the artist and album shown, into the download list.
  void OnDownloadClicked();

  // True while the field holds the prompt it starts with.
  bool RequestIsPrompt() const;
  // The checked lines of the track list, in list order (Windows-1251).
  std::vector<std::string> CheckedTitles() const;
  std::string ArtistCaption() const;
  std::string AlbumCaption() const;

  // The main window's credit panel, moved onto this page's panel flush with its bottom edge.
  void HoldCredit(QWidget* credit);
  // "Искать!" accepted: the heading, field and button move up, the album box goes.
  void ShowSearchLayout();
  // Back to the grid of cells; loading is the picture the cover shows meanwhile.
  void ShowGridView(const QImage& loading);

  QFrame* Panel() const { return panel_; }
  QLabel* Heading() const { return heading_label_; }
  QLabel* HelpLabel() const { return help_label_; }
  QLineEdit* RequestField() const { return request_field_; }
  QPushButton* SearchButton() const { return search_button_; }
  ClickLabel* OtherArtistsLink() const { return other_artists_link_; }
  ClickLabel* BackToAlbumsLink() const { return back_to_albums_link_; }
  QScrollArea* GridBox() const { return grid_box_; }
  QScrollArea* SongsBox() const { return songs_box_; }
  QLabel* CoverPicture() const { return cover_picture_; }
  QLabel* ArtistLabel() const { return artist_label_; }
  QLabel* AlbumLabel() const { return album_label_; }
  QListWidget* SongList() const { return song_list_; }
  QPushButton* DownloadButton() const { return download_button_; }

 signals:
  // Enter in the field; the key goes no further.
  void requestEntered();
  // A search was accepted: the first page goes over to its results layout, as a search would.
  void searchAccepted();
  // Back to the album grid, under which the download list shows again.
  void backToAlbums();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildSongsBox();
  void PlaceSongsBox();

  AlbumPageLinks links_;

  QFrame* panel_;
  QLabel* heading_label_;
  QLabel* help_label_;
  QLineEdit* request_field_;
  QPushButton* search_button_;
  ClickLabel* other_artists_link_;
  ClickLabel* back_to_albums_link_;
  QScrollArea* grid_box_;
  QScrollArea* songs_box_;
  QLabel* cover_picture_ = nullptr;
  QLabel* artist_label_ = nullptr;
  QLabel* album_label_ = nullptr;
  QListWidget* song_list_ = nullptr;
  QPushButton* download_button_ = nullptr;
  QPlainTextEdit* memo_;
};

}  // namespace melvoro::ui
