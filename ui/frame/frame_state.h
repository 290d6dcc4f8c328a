#pragma once
// What a design window's parts share: the window, the sheet it shows, its document's state and
// the options it was made with. The window owns it; its command objects refer to it.
#include "design_session.h"
#include "design_window_options.h"
#include "file_dialogs.h"
#include "file_io.h"
#include "message_boxes.h"
#include "printing.h"
#include "sheet_view.h"

#include <windows.h>

#include <memory>
#include <string>

namespace mixora::ui {

struct FrameState {
    explicit FrameState(DesignWindowOptions given) : options(std::move(given)) {}

    // A message box over `owner` (the window when none is given) with the program's title; the
    // button chosen.
    int Say(const std::wstring& text, UINT style, HWND owner = nullptr) const {
        return options.message_boxes->Show(owner ? owner : hwnd, text, kProgramTitle, style);
    }
    FileDialogs& Dialogs() { return options.file_dialogs ? *options.file_dialogs : system_dialogs; }
    Printers& PrinterAccess() { return options.printers ? *options.printers : system_printers; }

    DesignWindowOptions options;
    HWND hwnd = nullptr;
    std::unique_ptr<SheetView> sheet;
    session::DesignSession session;
    FileStamp disk_stamp; // the file as last read or written here
    bool skinned = false;
    SystemFileDialogs system_dialogs;
    SystemPrinters system_printers;
};

} // namespace mixora::ui
