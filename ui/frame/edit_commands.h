#pragma once
// 编辑's commands of a design window: 撤销, 剪切, 复制, 粘贴 and 全选 on the field that has the
// focus, whichever sheet it is on, and 清除计算结果. (复制结果 is a report command.)
#include "file_commands.h"
#include "frame_state.h"

namespace mixora::ui {

class EditCommands {
  public:
    // The title follows what 清除计算结果 changes through `files`.
    EditCommands(FrameState& frame, FileCommands& files) : frame_(frame), files_(files) {}

    // Runs a menu command that is this object's; false for any other.
    bool Run(int id);

  private:
    FrameState& frame_;
    FileCommands& files_;
};

} // namespace mixora::ui
