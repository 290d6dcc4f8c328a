#pragma once
// 帮助's commands of a design window: 使用说明 (the guide shipped in the program, opened in the
// user's browser), 帮助 (the sheet's button of that name) and 关于 Mixora.
#include "frame_state.h"

namespace mixora::ui {

class HelpCommands {
  public:
    explicit HelpCommands(FrameState& frame) : frame_(frame) {}

    // Runs a menu command that is this object's; false for any other.
    bool Run(int id);

    void Guide();
    void About();

  private:
    FrameState& frame_;
};

} // namespace mixora::ui
