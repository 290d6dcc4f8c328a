// What a skinned window looks like: which paint messages its own procedure still sees, which
// painter draws over or instead of it, and how a push button's images and region follow its
// size and enabled state.
#include "border_paint.h"
#include "button_paint.h"
#include "button_style.h"
#include "check_paint.h"
#include "combo_paint.h"
#include "control_kind.h"
#include "control_state.h"
#include "fade_timer.h"
#include "handlers.h"
#include "header_paint.h"
#include "paint_scope.h"
#include "progress_paint.h"
#include "props.h"
#include "push_button_images.h"
#include "subclass.h"

namespace mixora::skin {

namespace {

// A repaint ends any fade: the face of the current state is shown fully opaque.
LRESULT PaintButton(WNDPROC previous, HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsSkinDrawnButtonStyle(props::Get(button, props::kOldStyle))) {
        return PassOn(previous, button, message, wParam, lParam);
    }
    StopFadeTimer(button);
    props::Set(button, props::kAlphaLevel, kOpaqueLevel);
    const base::paint_scope paint(button);
    if (paint)
        PaintButtonFade(button, KnownFace{.level = kOpaqueLevel, .skin_drawn = true}, paint.hdc());
    return 0;
}

// Check boxes and option buttons paint themselves first; the skin's box goes over the left end.
template <int (*Paint)(HWND, int, bool)>
LRESULT PaintOver(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    if (IsSubclassed(window)) Paint(window, StateNormal, true);
    return result;
}

} // namespace

LRESULT OnPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (GetControlKind(window)) {
    case ControlKind::PushButton: return PaintButton(previous, window, message, wParam, lParam);
    case ControlKind::ComboBox:
    case ControlKind::DriveList: return PaintComboBox(previous, window, message, wParam, lParam);
    case ControlKind::CheckBox:
        return PaintOver<PaintCheckBox>(previous, window, message, wParam, lParam);
    case ControlKind::OptionButton:
        return PaintOver<PaintOptionButton>(previous, window, message, wParam, lParam);
    case ControlKind::DataList:
    case ControlKind::ComboDropList:
        return PaintListFrame(previous, window, message, wParam, lParam);
    case ControlKind::Grid: return PaintGridBorder(previous, window, message, wParam, lParam);
    case ControlKind::ProgressBar: return PaintProgressBar(window);
    case ControlKind::Header: return PaintHeader(window);
    default: return PassOn(previous, window, message, wParam, lParam);
    }
}

LRESULT OnNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (GetControlKind(window)) {
    case ControlKind::ProgressBar: return PaintProgressFrame(window);
    case ControlKind::DataList: return PassOn(previous, window, message, wParam, lParam);
    default: return PaintFlatBorder(previous, window, message, wParam, lParam);
    }
}

LRESULT OnSize(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    if (IsSubclassed(window) && GetControlKind(window) == ControlKind::PushButton) {
        ResizeButtonImages(window);
    }
    return result;
}

LRESULT OnEnable(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    if (IsSubclassed(window) && GetControlKind(window) == ControlKind::PushButton) {
        props::Set(window, props::kOldState, wParam ? StateNormal : StateDisabled);
        PaintButtonFade(window);
    }
    return result;
}

LRESULT OnWindowPosChanging(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    const ControlKind kind = GetControlKind(window);
    if (IsSubclassed(window) && (kind == ControlKind::ComboBox || kind == ControlKind::DriveList)) {
        int state = StateNormal; // becomes pressed while the list is dropped down
        PaintComboButton(window, nullptr, state, false);
    }
    return result;
}

} // namespace mixora::skin
