// Controls made the same way in every window: named as the window tables name them, captioned
// from Windows-1251 text, filled with their colour.
#pragma once

#include <QColor>
#include <QString>
#include <string_view>

class QLabel;
class QPushButton;
class QWidget;

namespace melvoro::ui {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QWidget* NewPanel(const char* name, QWidget* parent = nullptr);
// A label without a name is left unnamed.
QLabel* NewLabel(std::string_view text, const char* name, QWidget* parent = nullptr);
QPushButton* NewButton(std::string_view caption, const char* name, QWidget* parent = nullptr);

// The widget paints its background in colour (white windows and pages, silver rules).
void FillBackground(QWidget& widget, const QColor& colour);

}  // namespace melvoro::ui
