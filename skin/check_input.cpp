// Check boxes and option buttons: the box or circle follows hover and press; the control's own
// procedure keeps handling the click.
#include "check_paint.h"
#include "control_state.h"
#include "input_common.h"
#include "input_reactions.h"

namespace mixora::skin {

namespace {

using Painter = int (*)(HWND window, int state, bool force);

template <Painter Paint> void MouseMove(HWND window, WPARAM keys, LPARAM) {
    TrackEntering(window);
    Paint(window, LeftButtonDown(keys) ? StatePressed : StateHover, true);
}

template <Painter Paint> void MouseLeave(HWND window, WPARAM, LPARAM) {
    props::Set(window, props::kMouseFlag, 0);
    Paint(window, StateNormal, false);
}

template <Painter Paint> void Press(HWND window, WPARAM, LPARAM) {
    Paint(window, StatePressed, false);
}

template <Painter Paint> void Release(HWND window, WPARAM, LPARAM) {
    Paint(window, StateNormal, false);
}

template <Painter Paint> void KeyDown(HWND window, WPARAM key, LPARAM) {
    if (IsSpaceKey(key)) Paint(window, StatePressed, false);
}

template <Painter Paint> void KeyUp(HWND window, WPARAM key, LPARAM) {
    if (IsSpaceKey(key)) Paint(window, StateNormal, false);
}

// An option button's circle is drawn again when the focus moves; a check box keeps its box.
void OptionFocus(HWND window, WPARAM, LPARAM) {
    PaintOptionButton(window, StateNormal, true);
}

} // namespace

const InputReactions kCheckBoxReactions{
    .mouse_move = MouseMove<PaintCheckBox>,
    .mouse_leave = MouseLeave<PaintCheckBox>,
    .lbutton_down = Press<PaintCheckBox>,
    .lbutton_up = Release<PaintCheckBox>,
    .key_down = KeyDown<PaintCheckBox>,
    .key_up = KeyUp<PaintCheckBox>,
};

const InputReactions kOptionButtonReactions{
    .mouse_move = MouseMove<PaintOptionButton>,
    .mouse_leave = MouseLeave<PaintOptionButton>,
    .lbutton_down = Press<PaintOptionButton>,
    .lbutton_up = Release<PaintOptionButton>,
    .key_down = KeyDown<PaintOptionButton>,
    .key_up = KeyUp<PaintOptionButton>,
    .set_focus = OptionFocus,
    .kill_focus = OptionFocus,
};

} // namespace mixora::skin
