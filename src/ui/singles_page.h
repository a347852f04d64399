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

class TFrame1;

class SinglesPage final : public QWidget {
  Q_OBJECT

 public:
  // Tops of the search box and its buttons in the two layouts.
  static constexpr int kIntroSearchTop = 238;
  static constexpr int kResultsSearchTop = 26;
  static constexpr int kFrameTop = 58;

  // welcome: the start message shown in Panel4.
  SinglesPage(const ResultRows& rows, const QString& welcome, QWidget* parent = nullptr);

  // Hides the intro controls and moves the search box up, for good.
  void SwitchToResultsLayout();
  // Panel4 with the nothing-found message, or hidden.
  void ShowNothingFound(bool nothing_found);
  // The credit panel at the page's bottom edge, centred under a window of window_width.
  void PlaceCredit(int window_width);

  QLineEdit* searchrequest;
  QPushButton* Button1;
  QPushButton* BitBtn1;
  QFrame* Panel4;
  QLabel* Label3;
  QFrame* copyright;
  QLabel* Label2;
  QFrame* Panel2;
  QFrame* Panel3;
  TFrame1* Frame11;
};

}  // namespace melvoro::ui
