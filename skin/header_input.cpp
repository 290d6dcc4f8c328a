// Header controls: the item under the mouse is drawn hot ("HMINDEX"), the item pressed with
// the left button is drawn pressed ("HDINDEX"); each change redraws one item only.
#include "control_state.h"
#include "header_paint.h"
#include "input_common.h"
#include "input_reactions.h"

#include <commctrl.h>

namespace mixora::skin {

namespace {

constexpr LONG_PTR kNoItem = -1;

// The item whose horizontal extent holds x, or −1.
int HitItem(HWND header, LPARAM position) {
    const LONG x = MousePoint(position).x;
    const auto count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT item{};
        SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
        if (item.left <= x && x <= item.right) return i;
    }
    return -1;
}

void PaintItem(HWND header, int index, int state) {
    PaintHeaderItem(header, nullptr, index, state);
}

void MouseMove(HWND header, WPARAM keys, LPARAM position) {
    TrackEntering(header);
    const int hit = HitItem(header, position);
    const int hot = props::GetInt(header, props::kHmIndex);
    const int pressed = props::GetInt(header, props::kHdIndex);
    if (hit == hot) return;
    if (hot >= 0 && hot != pressed) PaintItem(header, hot, StateNormal);
    if (!LeftButtonDown(keys)) {
        props::Set(header, props::kHmIndex, hit);
        PaintItem(header, hit, StateHover);
    } else if (hit == pressed) {
        PaintItem(header, hit, StatePressed);
    }
}

void MouseLeave(HWND header, WPARAM, LPARAM) {
    const int hot = props::GetInt(header, props::kHmIndex);
    props::Set(header, props::kMouseFlag, 0);
    props::Set(header, props::kHdIndex, kNoItem);
    props::Set(header, props::kHmIndex, kNoItem);
    if (hot >= 0) PaintItem(header, hot, StateNormal);
}

void Press(HWND header, WPARAM, LPARAM position) {
    const int hit = HitItem(header, position);
    props::Set(header, props::kHdIndex, hit);
    if (hit >= 0) PaintItem(header, hit, StatePressed);
}

void Release(HWND header, WPARAM, LPARAM position) {
    const int pressed = props::GetInt(header, props::kHdIndex);
    props::Set(header, props::kHdIndex, kNoItem);
    if (pressed < 0) return;
    // Hot again if the pointer is still over it, normal if it was let go elsewhere.
    const bool over = IsUnderCursor(header) && HitItem(header, position) == pressed;
    PaintItem(header, pressed, over ? StateHover : StateNormal);
}

} // namespace

const InputReactions kHeaderReactions{
    .mouse_move = MouseMove,
    .mouse_leave = MouseLeave,
    .lbutton_down = Press,
    .lbutton_up = Release,
    .lbutton_dblclk = Press,
};

} // namespace mixora::skin
