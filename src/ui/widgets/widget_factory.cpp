#include "ui/widgets/widget_factory.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "qt_seams/qt_text.h"

namespace melvoro::ui {

QWidget* NewPanel(const char* name, QWidget* parent) { return Named(new QWidget(parent), name); }

QLabel* NewLabel(std::string_view text, const char* name, QWidget* parent) {
  auto* label = new QLabel(ToQString(text), parent);
  if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
  return label;
}

QPushButton* NewButton(std::string_view caption, const char* name, QWidget* parent) {
  return Named(new QPushButton(ToQString(caption), parent), name);
}

void FillBackground(QWidget& widget, const QColor& colour) {
  widget.setAutoFillBackground(true);
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
}

}  // namespace melvoro::ui
