// The settings window's number field (Edit5) with its up-down arrows (UpDown1): typing takes
// digits only, two at most; the arrows and the Up and Down keys step by one within 0 to 100.
#pragma once

#include <QLineEdit>
#include <QWidget>

class QToolButton;

namespace melvoro::ui {

class ThreadsCountField final : public QWidget {
 public:
  explicit ThreadsCountField(QWidget* parent = nullptr);

  QLineEdit* Edit() const { return edit_; }
  QString text() const { return edit_->text(); }
  // Any text, as the table holds it: a stored value is shown even when typing could not make it.
  void setText(const QString& text) { edit_->setText(text); }
  void Step(int step);

 private:
  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace melvoro::ui
