// Where a window was: position, size and maximized state, kept per window name in the user's
// settings ("Malvoro", group "forms/<name>"; an INI file under the user's config folder).
#pragma once

#include <QString>

class QWidget;

namespace melvoro::ui {

// Writes Left, Top, Width, Height (the window's current bounds, the maximized ones when it
// is maximized) and Maximized.
void SavePlacement(const QWidget& window, const QString& name);

// Applies the saved placement when all five values are there and are numbers; otherwise the
// window keeps its designed placement.
void LoadPlacement(QWidget& window, const QString& name);

}  // namespace melvoro::ui
