#include "field_commands.h"

namespace mixora::ui {

namespace {

struct FieldCommand {
    int id;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};
constexpr FieldCommand kCommands[] = {
    {field_commands::kUndo, WM_UNDO, 0, 0},         {field_commands::kCut, WM_CUT, 0, 0},
    {field_commands::kCopy, WM_COPY, 0, 0},         {field_commands::kPaste, WM_PASTE, 0, 0},
    {field_commands::kSelectAll, EM_SETSEL, 0, -1},
};

} // namespace

bool IsField(HWND control) {
    wchar_t name[8]{};
    return control && GetClassNameW(control, name, 8) > 0 && lstrcmpiW(name, L"Edit") == 0;
}

bool RunFieldCommand(HWND root, int id) {
    for (const FieldCommand& command : kCommands) {
        if (command.id != id) continue;
        HWND focus = GetFocus();
        if (IsField(focus) && IsChild(root, focus))
            SendMessageW(focus, command.message, command.wparam, command.lparam);
        return true;
    }
    return false;
}

void SelectForTyping(HWND control) {
    if (IsField(control)) SendMessageW(control, EM_SETSEL, 0, -1);
}

} // namespace mixora::ui
