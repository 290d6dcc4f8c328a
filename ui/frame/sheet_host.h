#pragma once
// What a sheet may ask of the window that shows it.
#include "message_boxes.h"

#include <windows.h>

namespace mixora::ui {

class LabAccess;

class SheetHost {
  public:
    virtual ~SheetHost() = default;
    // The top-level window: the owner of the sheet's message boxes and dialogs.
    virtual HWND Window() const = 0;
    virtual MessageBoxes& Boxes() const = 0;
    // Whether the window wears the skin: a dialog the sheet opens wears it too.
    virtual bool Skinned() const = 0;
    // "退出": asks before the changes of any open design are lost, then ends the program.
    virtual void ExitProgram() = 0;
    // The lab's database, for a sheet that takes materials from its library; nullptr where
    // there is none.
    virtual LabAccess* Lab() { return nullptr; }
};

} // namespace mixora::ui
