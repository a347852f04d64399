#include "qt_seams/qt_message_boxes.h"

#include <QMessageBox>
#include <algorithm>

#include "qt_seams/qt_text.h"

namespace melvoro::ui {

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageBoxes::Show(const std::string& caption, const std::string& text, MessageIcon icon) {
  auto key = std::make_pair(caption, text);
  if (std::find(open_.begin(), open_.end(), key) != open_.end()) return;
  open_.push_back(key);

  QMessageBox box(QtIcon(icon), ToQString(caption), ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();

  open_.erase(std::find(open_.begin(), open_.end(), key));
}

}  // namespace melvoro::ui
