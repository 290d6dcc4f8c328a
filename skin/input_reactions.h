#pragma once
// What each control kind does with an input message after its own procedure has handled it.
// A missing reaction means the kind ignores that message.
#include "control_kind.h"

#include <windows.h>

namespace mixora::skin {

using Reaction = void (*)(HWND window, WPARAM wParam, LPARAM lParam);

struct InputReactions {
    Reaction mouse_move = nullptr;
    Reaction mouse_leave = nullptr;
    Reaction lbutton_down = nullptr;
    Reaction lbutton_up = nullptr;
    Reaction lbutton_dblclk = nullptr;
    Reaction key_down = nullptr;
    Reaction key_up = nullptr;
    Reaction set_focus = nullptr;
    Reaction kill_focus = nullptr;
};

extern const InputReactions kPushButtonReactions;
extern const InputReactions kCheckBoxReactions;
extern const InputReactions kOptionButtonReactions;
extern const InputReactions kComboBoxReactions;
extern const InputReactions kDriveListReactions;
extern const InputReactions kHeaderReactions;

// Null for the kinds that react to no input.
const InputReactions* ReactionsFor(ControlKind kind);

// One step of a push button's fade, run before the timer message is handed on.
void FadeTick(HWND button);

} // namespace mixora::skin
