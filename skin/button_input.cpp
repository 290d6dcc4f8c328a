// Push buttons: hover, press and focus change the face, which fades in on the button's timer;
// a press shows at once, and so does every change while client-area animation is off.
#include "button_paint.h"
#include "control_state.h"
#include "fade_timer.h"
#include "input_common.h"
#include "input_reactions.h"

namespace mixora::skin {

namespace {

void SetFace(HWND button, int state, int level) {
    props::Set(button, props::kOldState, state);
    props::Set(button, props::kAlphaLevel, level);
}

bool ClientAreaAnimation() {
    BOOL on = TRUE;
    return !SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &on, 0) || on;
}

// The face of the button's state fades in, or shows outright when the user wants no animation.
void ShowFace(HWND button) {
    if (ClientAreaAnimation()) {
        StartFadeTimer(button);
        return;
    }
    StopFadeTimer(button);
    props::Set(button, props::kAlphaLevel, kOpaqueLevel);
    PaintButtonFade(button, KnownFace{.level = kOpaqueLevel});
    props::Set(button, props::kAlphaLevel, 0);
}

void MouseMove(HWND button, WPARAM, LPARAM) {
    if (props::GetInt(button, props::kMouseFlag) == 0) {
        props::Set(button, props::kMouseFlag, 1);
        TrackMouseLeave(button);
        SetFace(button, StateHover, 0);
        ShowFace(button);
    } else if (!IsUnderCursor(button)) {
        // The button holds the capture with the pointer outside: show the face outright.
        StopFadeTimer(button);
        props::Set(button, props::kAlphaLevel, kOpaqueLevel);
        PaintButtonFade(button, KnownFace{.level = kOpaqueLevel});
    }
}

void MouseLeave(HWND button, WPARAM, LPARAM) {
    props::Set(button, props::kMouseFlag, 0);
    // A trace of the hover face first, then the normal face fades in over it.
    SetFace(button, StateHover, kLeaveLevel);
    PaintButtonFade(button, KnownFace{.level = kLeaveLevel});
    SetFace(button, StateNormal, 0);
    ShowFace(button);
}

void Press(HWND button, WPARAM, LPARAM) {
    StopFadeTimer(button);
    SetFace(button, StatePressed, kOpaqueLevel);
    PaintButtonFade(button, KnownFace{.level = kOpaqueLevel});
    props::Set(button, props::kAlphaLevel, 0);
}

void Release(HWND button, WPARAM, LPARAM) {
    // The next movement over the button counts as entering again.
    props::Set(button, props::kMouseFlag, 0);
    SetFace(button, StateNormal, kReleaseLevel);
    ShowFace(button);
}

void KeyDown(HWND button, WPARAM key, LPARAM lParam) {
    if (IsSpaceKey(key)) Press(button, key, lParam);
}

void KeyUp(HWND button, WPARAM key, LPARAM) {
    if (!IsSpaceKey(key)) return;
    props::Set(button, props::kMouseFlag, 0);
    SetFace(button, StateNormal, 0);
    ShowFace(button);
}

void FocusChange(HWND button, WPARAM, LPARAM) {
    // The focus rectangle is part of the images.
    RenderButtonStates(button);
    props::Set(button, props::kAlphaLevel, 0);
    ShowFace(button);
}

} // namespace

const InputReactions kPushButtonReactions{
    .mouse_move = MouseMove,
    .mouse_leave = MouseLeave,
    .lbutton_down = Press,
    .lbutton_up = Release,
    .lbutton_dblclk = Press,
    .key_down = KeyDown,
    .key_up = KeyUp,
    .set_focus = FocusChange,
    .kill_focus = FocusChange,
};

void FadeTick(HWND button) {
    const int level = props::GetInt(button, props::kAlphaLevel);
    PaintButtonFade(button, KnownFace{.level = level});
    const int next = level + kFadeStep;
    if (next > kOpaqueLevel) {
        StopFadeTimer(button);
        props::Set(button, props::kAlphaLevel, 0);
    } else {
        props::Set(button, props::kAlphaLevel, next);
    }
}

} // namespace mixora::skin
