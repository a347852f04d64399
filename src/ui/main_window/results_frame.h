// ResultsFrame (the main window's Frame11): the white, vertically scrolling frame with the 100
// result rows, built once and reused for every result. It draws the engine's ResultRows and
// reports clicks by row number; what a click does is the window's business.
#pragma once

#include <QPixmap>
#include <QScrollArea>
#include <array>

#include "search/result_rows.h"

class QLabel;
class QProgressBar;

namespace melvoro::ui {

class ClickLabel;
class RowBackground;

class ResultsFrame final : public QScrollArea {
  Q_OBJECT

 public:
  static constexpr int kRowStep = 25;

  explicit ResultsFrame(const ResultRows& rows, QWidget* parent = nullptr);

  // Lays out the engine's rows anew: rows in use show their song, fresh; the others hide.
  void ShowRows();
  // One row changed its state: its colour, cursor and progress.
  void UpdateRow(int n);
  // Row relayout: backgrounds and progress bars follow the frame's current width.
  void RelayoutRows();

  // The controls of row n (1..100).
  RowBackground* Background(int n) const { return At(n).background; }
  QLabel* NameLabel(int n) const;
  QLabel* PlayImage(int n) const;
  QProgressBar* ProgressBar(int n) const { return At(n).progress; }

  static QColor RowColour(ResultRowState state);

 signals:
  // A row's name label was clicked / its background pressed / its play picture clicked.
  void nameClicked(int n);
  void backgroundPressed(int n);
  void playClicked(int n);

 private:
  struct Row {
    RowBackground* background = nullptr;
    ClickLabel* name = nullptr;
    ClickLabel* play = nullptr;
    QProgressBar* progress = nullptr;
  };

  const Row& At(int n) const { return rows_.at(static_cast<std::size_t>(n - 1)); }
  void BuildRow(int n);
  void SetNameText(int n);
  void FitContent();

  const ResultRows& engine_rows_;
  QWidget* content_;
  QPixmap play_picture_;
  std::array<Row, ResultRows::kRowCount> rows_{};
};

}  // namespace melvoro::ui
