#include "combo_paint.h"

#include "bitmaps.h"
#include "colours.h"
#include "control_state.h"
#include "paint_scope.h"
#include "primitives.h"
#include "props.h"
#include "window_dc.h"

namespace mixora::skin {

namespace {

LRESULT PassOn(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
}

LONG_PTR Style(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}

} // namespace

void ComposeComboButton(HDC image, int button_width, int button_height, int window_height,
                        int state, bool enabled) {
    // White first, so a state without a cell of its own shows a plain face.
    FillSolid(image, 0, 0, button_width, button_height, kWhite);
    if (state == StateHover || state == StatePressed)
        BlitSliced(image, 0, 0, button_width, button_height, ComboButtonSkin(),
                   state == StateHover ? 0 : 4, 0, 4, 18, 2, 1, 1, 1);
    BlitTransparent(image, CentreOffset(button_width, 7), CentreOffset(window_height, 6), 7, 4,
                    ComboButtonSkin(), 8, enabled ? 0 : 4, kKeyColour);
}

void PaintComboButton(HWND window, HDC target, int& state, bool force) {
    if (SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0)) state = StatePressed;
    if (state == props::GetInt(window, props::kOldState) && !force) return;
    if (!(Style(window) & 2)) return; // a simple combo box: no list to drop, no button
    props::Set(window, props::kOldState, state);

    const WindowBounds bounds = GetWindowBounds(window);
    const int button_width = GetSystemMetrics(SM_CXVSCROLL) + 1;
    const int button_height = bounds.Height - 2;
    const WorkingImage image = LendImage(button_width, button_height);
    ComposeComboButton(image.get(), button_width, button_height, bounds.Height, state,
                       IsWindowEnabled(window) != FALSE);

    base::unique_window_dc own;
    if (!target) {
        own = base::GetWindowDCScoped(window);
        target = own.get();
    }
    BitBlt(target, bounds.Width - button_width - 1, 1, button_width, button_height, image.get(), 0,
           0, SRCCOPY);
}

LRESULT PaintComboBox(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    int state = props::GetInt(window, props::kOldState);
    const WindowBounds bounds = GetWindowBounds(window);
    const COLORREF border = BorderColourFor(window);

    if (!(Style(window) & 1)) {
        // A drop-down combo box with an edit field: the skin paints all of it.
        const base::paint_scope paint(window);
        FillSolid(paint.hdc(), 0, 0, bounds.Width, bounds.Height, kWhite);
        FrameSolid(paint.hdc(), 0, 0, bounds.Width, bounds.Height, border);
        PaintComboButton(window, paint.hdc(), state, true);
        return 0;
    }

    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    const base::unique_window_dc dc = base::GetWindowDCScoped(window);
    FrameSolid(dc.get(), 0, 0, bounds.Width, bounds.Height, border);
    FrameSolid(dc.get(), 1, 1, bounds.Width - 2, bounds.Height - 2, kWhite);
    PaintComboButton(window, dc.get(), state, true);
    return result;
}

} // namespace mixora::skin
