#pragma once
// What each control kind does with an input message after its own procedure has handled it.
// A missing reaction means the kind ignores that message.
#include "control_kind.h"

#include <windows.h>

namespace mixora::skin {

using Reaction = void (*)(HWND window, WPARAM wParam, LPARAM lParam);

struct InputReactions {
    Reaction mouseMove = nullptr;
    Reaction mouseLeave = nullptr;
    Reaction lButtonDown = nullptr;
    Reaction lButtonUp = nullptr;
    Reaction lButtonDblClk = nullptr;
    Reaction keyDown = nullptr;
    Reaction keyUp = nullptr;
    Reaction setFocus = nullptr;
    Reaction killFocus = nullptr;
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
