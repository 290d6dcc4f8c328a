#pragma once
// Small facts about an input message that the per-kind reactions share.
#include "mouse_leave.h"
#include "primitives.h"
#include "props.h"

#include <windows.h>

namespace mixora::skin {

inline bool LeftButtonDown(WPARAM keys) {
    return (keys & MK_LBUTTON) != 0;
}
inline bool IsSpaceKey(WPARAM key) {
    return key == VK_SPACE;
}

// The mouse position of a message, in client coordinates.
inline POINT MousePoint(LPARAM position) {
    const auto packed = static_cast<std::uintptr_t>(position);
    return {LowWord(packed), HighWord(packed)};
}

// Whether the window is the one under the cursor now (not the one holding the capture).
inline bool IsUnderCursor(HWND window) {
    POINT cursor{};
    return GetCursorPos(&cursor) && WindowFromPoint(cursor) == window;
}

// On the first movement inside the window: remember it and ask for WM_MOUSELEAVE.
inline void TrackEntering(HWND window) {
    if (props::GetInt(window, props::kMouseFlag) != 0) return;
    props::Set(window, props::kMouseFlag, 1);
    TrackMouseLeave(window);
}

} // namespace mixora::skin
