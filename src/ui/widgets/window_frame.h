// The frame a window manager puts round a window, as the window sizes of the layout count it:
// they give outer sizes, Qt sizes the client area.
#pragma once

namespace melvoro::ui {

inline constexpr int kWindowFrameWidth = 8;
inline constexpr int kWindowFrameHeight = 34;

}  // namespace melvoro::ui
