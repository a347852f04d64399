// TabSheet1, "Одиночные записи": the search box with its buttons, the start message, the
// credit panel and the results frame. It builds and places the controls; the main window
// handles their events.
#pragma once

#include <QWidget>

#include "search/result_rows.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace melvoro::ui {

class ResultsFrame;

class SinglesPage final : public QWidget {
  Q_OBJECT

 public:
  // Tops of the search box and its buttons in the two layouts.
  static constexpr int kIntroSearchTop = 238;
  static constexpr int kResultsSearchTop = 26;
  static constexpr int kFrameTop = 58;

  // welcome: the start message shown in the message panel.
  SinglesPage(const ResultRows& rows, const QString& welcome, QWidget* parent = nullptr);

  // Hides the intro controls and moves the search box up, for good.
  void SwitchToResultsLayout();
  // The message panel with the nothing-found message, or hidden.
  void ShowNothingFound(bool nothing_found);
  // The credit panel at the bottom edge of the page that holds it, centred under a window of
  // window_width.
  void PlaceCredit(int window_width);
  // The credit panel back on this page from wherever another page took it.
  void TakeBackCredit();
  // The page came into view in a window of window_width: it takes back its credit and the
  // search box takes the focus.
  void OnShown(int window_width);

  QLineEdit* SearchBox() const { return search_box_; }
  QPushButton* SearchButton() const { return search_button_; }
  QPushButton* ChartsButton() const { return charts_button_; }
  QFrame* MessagePanel() const { return message_panel_; }
  QLabel* MessageLabel() const { return message_label_; }
  QFrame* CreditPanel() const { return credit_panel_; }
  ResultsFrame* ResultsPane() const { return results_frame_; }

 private:
  QLineEdit* search_box_;
  QPushButton* search_button_;
  QPushButton* charts_button_;
  QFrame* message_panel_;
  QLabel* message_label_;
  QFrame* credit_panel_;
  QLabel* credit_label_;
  QFrame* upper_rule_;
  QFrame* lower_rule_;
  ResultsFrame* results_frame_;
};

}  // namespace melvoro::ui
