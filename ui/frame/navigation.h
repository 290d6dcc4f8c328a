#pragma once
// The keyboard in a design window: the menu's shortcuts, Tab and Shift+Tab along the sheet's
// focus order (a field reached so has its text selected), the arrows within an option set, and
// Enter and Escape, which press nothing.
#include "frame_state.h"
#include "handles.h"

#include <windows.h>

namespace mixora::ui {

class KeyboardNavigation {
  public:
    explicit KeyboardNavigation(FrameState& frame);

    void MoveFocus(bool backward);
    // True when the message was handled and must not be dispatched.
    bool PreTranslate(const MSG& message);

  private:
    FrameState& frame_;
    base::unique_haccel accelerators_;
};

} // namespace mixora::ui
