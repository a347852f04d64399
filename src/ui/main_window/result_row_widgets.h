// The controls a result row is made of that plain Qt widgets lack: a label that reports
// clicks, and the row's background rectangle that reports presses.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace melvoro::ui {

// A label (a row's name, its play picture) that reports a left click, as a button would:
// pressed and released over it.
class ClickLabel final : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// A filled rectangle with a one-pixel black edge that reports a left-button press.
class RowBackground final : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  void SetFill(const QColor& fill);
  QColor Fill() const { return fill_; }

 signals:
  void pressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QColor fill_ = Qt::white;
};

}  // namespace melvoro::ui
