// ChartsWindow, "DazOduvEde": the charts window. Shows the engine's ChartList and forwards what the
// user does; loads, the memo copy and the hand-off to the download list live in the list.
#pragma once

#include <QWidget>
#include <vector>

#include "core/listeners.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace melvoro {
class ChartList;
}  // namespace melvoro

namespace melvoro::ui {

class ChartsWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 423;
  static constexpr int kClientHeight = 622;

  // Follows charts until destroyed; charts must outlive the window. Created hidden; closing
  // hides it.
  explicit ChartsWindow(ChartList& charts, QWidget* parent = nullptr);

  QListWidget* EntryList() const { return entry_list_; }
  QPlainTextEdit* MemoBox() const { return memo_box_; }
  QLineEdit* ArtistBox() const { return artist_box_; }
  QPushButton* ArtistTopButton() const { return artist_top_button_; }
  QPushButton* MemoCopyButton() const { return memo_copy_button_; }
  QPushButton* SpbTopButton() const { return spb_top_button_; }
  QPushButton* MskTopButton() const { return msk_top_button_; }
  QComboBox* SpbStationBox() const { return spb_station_box_; }
  QComboBox* MskStationBox() const { return msk_station_box_; }
  QPushButton* CancelButton() const { return cancel_button_; }
  QPushButton* OkButton() const { return ok_button_; }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void Connect();
  void FollowCharts();
  void ShowEntry(int index);
  void AppendEntries(int first, int count);
  void OnEntryToggled(int index);
  void OnEntryDoubleClicked();

  ChartList& charts_;
  std::vector<Subscription> subscriptions_;  // what the window hears of the chart list
  bool showing_ = false;                     // the window writes an entry itself: not the user's check
  QMenuBar* menu_bar_;
  QListWidget* entry_list_;
  QPlainTextEdit* memo_box_;
  QWidget* bottom_panel_;
  QLineEdit* artist_box_;
  QPushButton* artist_top_button_;
  QPushButton* memo_copy_button_;
  QPushButton* spb_top_button_;
  QPushButton* msk_top_button_;
  QComboBox* spb_station_box_;
  QComboBox* msk_station_box_;
  QPushButton* cancel_button_;
  QPushButton* ok_button_;
};

}  // namespace melvoro::ui
