// Combo boxes and drive lists: the drop button follows hover and press. On an editable combo box
// only the drop button itself reacts; the edit field beside it does not.
#include "combo_paint.h"
#include "control_state.h"
#include "input_common.h"
#include "input_reactions.h"

namespace mixora::skin {

namespace {

void PaintDropButton(HWND window, int state) {
    PaintComboButton(window, nullptr, state, false);
}

// A drop-down combo box with an edit field (CBS_DROPDOWN: style bit 0 clear).
template <bool IsComboBox> bool HasEditField(HWND window) {
    return IsComboBox && (GetWindowLongW(window, GWL_STYLE) & 0x1) == 0;
}

bool IsOnDropButton(HWND window, LPARAM position) {
    const WindowBounds bounds = GetWindowBounds(window);
    const int scroll_width = GetSystemMetrics(SM_CXVSCROLL);
    const POINT p = MousePoint(position);
    return bounds.Width - scroll_width - 2 <= p.x && p.x <= bounds.Width - 2 && 2 <= p.y &&
           p.y <= bounds.Height - 2;
}

int HoverOrPressed(WPARAM keys) {
    return LeftButtonDown(keys) ? StatePressed : StateHover;
}

template <bool IsComboBox> void MouseMove(HWND window, WPARAM keys, LPARAM position) {
    TrackEntering(window);
    if (HasEditField<IsComboBox>(window) && !IsOnDropButton(window, position)) {
        PaintDropButton(window, StateNormal);
    } else {
        PaintDropButton(window, HoverOrPressed(keys));
    }
}

void MouseLeave(HWND window, WPARAM, LPARAM) {
    props::Set(window, props::kMouseFlag, 0);
    PaintDropButton(window, StateNormal);
}

template <bool IsComboBox> void Press(HWND window, WPARAM, LPARAM position) {
    if (HasEditField<IsComboBox>(window) && !IsOnDropButton(window, position)) return;
    PaintDropButton(window, StatePressed);
}

void Release(HWND window, WPARAM, LPARAM) {
    PaintDropButton(window, IsUnderCursor(window) ? StateHover : StateNormal);
}

} // namespace

const InputReactions kComboBoxReactions{
    .mouse_move = MouseMove<true>,
    .mouse_leave = MouseLeave,
    .lbutton_down = Press<true>,
    .lbutton_up = Release,
};

const InputReactions kDriveListReactions{
    .mouse_move = MouseMove<false>,
    .mouse_leave = MouseLeave,
    .lbutton_down = Press<false>,
    .lbutton_up = Release,
};

} // namespace mixora::skin
