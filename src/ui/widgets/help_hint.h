// The help popup of the "[?]" marks: one word-wrapped tooltip-style window beside the mouse
// pointer, at most one at a time.
#pragma once

#include <QLabel>
#include <QString>

namespace melvoro::ui {

// Replaces any open popup with one showing text below and right of the mouse pointer.
// The popup closes with owner, when one is given.
void ShowHelpHint(const QString& text, QWidget* owner = nullptr);
void HideHelpHint();
// The open popup, if any.
QWidget* CurrentHelpHint();

// A "[?]" mark that tells when the mouse enters or leaves it, and when it is clicked.
class HelpMark final : public QLabel {
  Q_OBJECT

 public:
  explicit HelpMark(QWidget* parent = nullptr);

 Q_SIGNALS:
  void entered();
  void left();
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace melvoro::ui
