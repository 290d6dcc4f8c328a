#pragma once
// How a design window is made: what it shows, whom it asks, where it keeps its settings, and the
// services a test may replace.
#include "conversions.h"
#include "file_dialogs.h"
#include "high_contrast.h"
#include "message_boxes.h"
#include "printing.h"
#include "sheet_kinds.h"

#include <windows.h>

#include <functional>
#include <string>

namespace mixora::ui {

// ShellExecute's "open".
bool OpenInShell(const std::wstring& path);

struct DesignWindowOptions {
    MessageBoxes* message_boxes = nullptr; // required; outlives the window
    // "退出": ends the program at once, without unloading the window.
    std::function<void()> exit_program = [] { ExitProcess(0); };
    bool quit_on_destroy = true; // post WM_QUIT when the last window goes
    bool install_skin = true;    // false: the system's own look (benchmarks)
    // Whether a high-contrast theme is on, asked at load and whenever a setting or the system
    // colours change; while it is, the skin stays off.
    std::function<bool()> high_contrast = HighContrastOn;
    calc::NumberFormat number_format;
    FileDialogs* file_dialogs = nullptr;             // nullptr: the system's common dialogs
    std::wstring settings_key = L"Software\\Mixora"; // under HKEY_CURRENT_USER
    Printers* printers = nullptr;                    // nullptr: the system's printers
    // Opens a document in the program the user has for it (the guide in a browser); false
    // when it cannot.
    std::function<bool(const std::wstring& path)> open_document = OpenInShell;
    // The sheet the window shows; nullptr: the cement-only sheet.
    SheetFactory make_sheet;
};

} // namespace mixora::ui
