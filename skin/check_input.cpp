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
    .mouseMove = MouseMove<PaintCheckBox>,
    .mouseLeave = MouseLeave<PaintCheckBox>,
    .lButtonDown = Press<PaintCheckBox>,
    .lButtonUp = Release<PaintCheckBox>,
    .keyDown = KeyDown<PaintCheckBox>,
    .keyUp = KeyUp<PaintCheckBox>,
};

const InputReactions kOptionButtonReactions{
    .mouseMove = MouseMove<PaintOptionButton>,
    .mouseLeave = MouseLeave<PaintOptionButton>,
    .lButtonDown = Press<PaintOptionButton>,
    .lButtonUp = Release<PaintOptionButton>,
    .keyDown = KeyDown<PaintOptionButton>,
    .keyUp = KeyUp<PaintOptionButton>,
    .setFocus = OptionFocus,
    .killFocus = OptionFocus,
};

} // namespace mixora::skin
