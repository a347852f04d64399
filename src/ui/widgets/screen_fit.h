// Keeping a window whole on the screen it opens on: a small screen or a large scale factor must
// never put its buttons out of reach.
#pragma once

#include <QRect>
#include <QSize>

class QScrollArea;
class QWidget;

namespace melvoro::ui {

// Shrinks the window, frame included, to the available area of its screen and pulls it fully
// onto that area. A window of fixed size takes designed_size, or the area when that is smaller,
// as its fixed size again: a later show on a larger screen gets its whole size back.
void KeepOnScreen(QWidget& window, QSize designed_size = {});
// The same within area, a screen's available geometry.
void KeepWithin(QWidget& window, const QRect& area, QSize designed_size = {});

// Puts body, fixed at its designed size, in a frameless scroll area that fills window: the
// scroll bars appear only when KeepOnScreen made the window smaller than body.
QScrollArea* ScrollWhenCramped(QWidget& window, QWidget* body);

}  // namespace melvoro::ui
