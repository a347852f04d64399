// The small pictures of the main window, drawn once in code: the six state icons of the
// download list and the play picture of the result rows.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace melvoro {
enum class DownloadState : int;
}  // namespace melvoro

namespace melvoro::ui {

inline constexpr int kIconSize = 16;

// The picture of a download-list state, drawn anew on each call (callers keep them); a null
// icon for an unknown state. A failed row shares the red sign of "not found": its tooltip
// tells them apart.
QIcon StateIcon(DownloadState state);

// imgPlaySmall: the play control every result row copies.
QPixmap PlayPicture();

}  // namespace melvoro::ui
