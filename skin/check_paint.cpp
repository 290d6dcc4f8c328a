#include "check_paint.h"

#include "bitmaps.h"
#include "colours.h"
#include "control_state.h"
#include "primitives.h"
#include "props.h"
#include "window_dc.h"

namespace mixora::skin {

namespace {

// Records the state to be drawn; false when it is the one already drawn and not forced. A
// state already recorded is not written again (a round trip to the server under Wine).
bool TakeState(HWND window, int state, bool force) {
    if (state != props::GetInt(window, props::kOldState))
        props::Set(window, props::kOldState, state);
    else if (!force)
        return false;
    return true;
}

int CheckState(HWND window) {
    return static_cast<int>(SendMessageW(window, BM_GETCHECK, 0, 0));
}

} // namespace

void ComposeCheckBox(HDC image, int width, int height, int state, int check, bool enabled) {
    FillSolid(image, 0, 0, width, height, kWhite);
    if (enabled) {
        FrameSolid(image, 0, 0, width, height,
                   state == StatePressed ? PressedBoxColour : BorderColour);
        if (state == StateHover || state == StatePressed)
            StretchBlt(image, 1, 1, width - 2, height - 2, OptionSkin(), 1,
                       state == StateHover ? 17 : 30, 11, 5, SRCCOPY);
    } else {
        FrameSolid(image, 0, 0, width, height, DisabledBorderColour);
    }
    const int column = enabled ? 0 : 9;
    if (check == BST_CHECKED)
        BlitTransparent(image, CentreOffset(width, 9), CentreOffset(height, 8), 9, 8, CheckGlyphs(),
                        column, 0, kKeyColour);
    else if (check == BST_INDETERMINATE)
        BlitTransparent(image, CentreOffset(width, 7), CentreOffset(height, 7), 7, 7, CheckGlyphs(),
                        column + 1, 9, kKeyColour);
}

int PaintCheckBox(HWND window, int state, bool force) {
    if (!TakeState(window, state, force)) return 0;
    const int width = GetSystemMetrics(SM_CXMENUCHECK);
    const int height = GetSystemMetrics(SM_CYMENUCHECK);
    const WindowBounds bounds = GetWindowBounds(window);

    // Composed off screen and copied once, so the box never flickers.
    const WorkingImage image = LendImage(width, height);
    ComposeCheckBox(image.get(), width, height, state, CheckState(window),
                    IsWindowEnabled(window) != FALSE);
    const base::unique_window_dc dc = base::GetWindowDCScoped(window);
    BitBlt(dc.get(), 0, CentreOffset(bounds.Height, height), width, height, image.get(), 0, 0,
           SRCCOPY);
    return 1;
}

int PaintOptionButton(HWND window, int state, bool force) {
    if (!TakeState(window, state, force)) return 0;
    const int width = GetSystemMetrics(SM_CXMENUCHECK);
    const int height = GetSystemMetrics(SM_CYMENUCHECK);
    const WindowBounds bounds = GetWindowBounds(window);
    const int top = CentreOffset(bounds.Height, height);
    const bool enabled = IsWindowEnabled(window) != FALSE;

    // Drawn in place through the key colour, so the control's background shows round it.
    const base::unique_window_dc dc = base::GetWindowDCScoped(window);
    if (!enabled)
        BlitSliced(dc.get(), 0, top, width, height, OptionSkin(), 0, 39, 13, 13, 5, 5, 5, 5,
                   kKeyColour);
    else if (state >= StateNormal && state <= StatePressed)
        BlitSliced(dc.get(), 0, top, width, height, OptionSkin(), 0, 13 * state, 13, 13, 5, 5, 5, 5,
                   kKeyColour);
    if (CheckState(window) == BST_CHECKED)
        BlitTransparent(dc.get(), CentreOffset(width, 5), top + CentreOffset(height, 5), 5, 5,
                        CheckGlyphs(), enabled ? 2 : 11, 18, kKeyColour);
    return 1;
}

} // namespace mixora::skin
