#include "button_paint.h"

#include "bitmaps.h"
#include "button_style.h"
#include "colours.h"
#include "control_state.h"
#include "primitives.h"
#include "props.h"
#include "scoped_select.h"
#include "window_dc.h"

#include <algorithm>

namespace mixora::skin {

void RenderButtonStates(HWND button) {
    const WindowBounds bounds = GetWindowBounds(button);
    const std::wstring caption = GetWindowTextString(button);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
    const bool focused = button && GetFocus() == button;

    for (int state = StateNormal; state <= StateDisabled; ++state) {
        const HDC image = props::GetHandle<HDC>(button, props::StateDcKey(state).c_str());
        if (!image) continue;
        // The font is taken out again before the next image: the button may delete it later.
        const base::scoped_select select_font(image, font);
        SetBkMode(image, TRANSPARENT);
        BlitSliced(image, 0, 0, bounds.Width, bounds.Height, ButtonSkin(), 0, 21 * state, 7, 21, 3,
                   3, 3, 3);
        SetTextColor(image, state == StateDisabled ? DisabledTextColour : kBlack);
        DrawTextIn(image, caption, 2, 2, bounds.Width - 4, bounds.Height - 4, CaptionFormat);
        if (focused) DrawFocusBox(image, 2, 2, bounds.Width - 4, bounds.Height - 4);
    }
}

namespace {

void MarkIfDisabled(HWND button) {
    if (!IsWindowEnabled(button)) props::Set(button, props::kOldState, StateDisabled);
}

bool SkinDraws(HWND button) {
    return IsSkinDrawnButtonStyle(props::Get(button, props::kOldStyle));
}

// The face of the state in "OLDSTATE", blended at the level.
int BlendFace(HWND button, HDC target, int known_level) {
    const int state = props::GetInt(button, props::kOldState);
    const HDC image = props::GetHandle<HDC>(button, props::StateDcKey(state).c_str());
    const int level = std::clamp(known_level, 0, 255);
    if (!image) return 0; // nothing to blend: the window keeps its pixels

    base::unique_window_dc own;
    if (!target) {
        own = base::GetWindowDCScoped(button);
        target = own.get();
    }
    const WindowBounds bounds = GetWindowBounds(button);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(level), 0};
    AlphaBlend(target, 0, 0, bounds.Width, bounds.Height, image, 0, 0, bounds.Width, bounds.Height,
               blend);
    return 0;
}

} // namespace

int PaintButtonFade(HWND button, HDC target) {
    MarkIfDisabled(button);
    if (!SkinDraws(button)) return 0;
    return BlendFace(button, target, props::GetInt(button, props::kAlphaLevel));
}

int PaintButtonFade(HWND button, KnownFace known, HDC target) {
    MarkIfDisabled(button);
    if (!known.skin_drawn && !SkinDraws(button)) return 0;
    return BlendFace(button, target, known.level);
}

} // namespace mixora::skin
