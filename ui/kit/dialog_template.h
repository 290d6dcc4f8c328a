#pragma once
// Dialog boxes from tables: an in-memory dialog template (class "#32770") built from a list of
// items, for DialogBoxIndirectParamW and CreateDialogIndirectParamW.
#include <windows.h>

#include <span>
#include <string>
#include <vector>

namespace mixora::ui {

struct DialogItem {
    const wchar_t* class_name; // "Static", "Edit", "ComboBox", "Button" or a registered class
    int id;
    const wchar_t* text;
    DWORD style;        // WS_CHILD and WS_VISIBLE are added
    short x, y, cx, cy; // dialog units
};

struct DialogLayout {
    const wchar_t* title;
    DWORD style; // DS_SETFONT is added
    short cx, cy;
    std::span<const DialogItem> items;
};

// The template, in the font the design window uses (the system's message font).
std::vector<WORD> BuildDialogTemplate(const DialogLayout& dialog);

} // namespace mixora::ui
