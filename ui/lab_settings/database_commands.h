#pragma once
// The lab database's commands of a design window's 文件 menu: 数据库设置… and 重新连接共享数据库
// (after the shared database's server was away; never the file on this computer instead).
#include "frame_state.h"

namespace mixora::ui {

class DatabaseCommands {
  public:
    explicit DatabaseCommands(FrameState& frame) : frame_(frame) {}

    // Runs a menu command that is this object's; false for any other.
    bool Run(int id);

    void Settings();
    // Connects (anew) to the lab database of the settings and says to which, as whom; or why
    // it could not.
    void Reconnect();

  private:
    FrameState& frame_;
};

} // namespace mixora::ui
