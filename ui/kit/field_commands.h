#pragma once
// 编辑 → 撤销, 剪切, 复制, 粘贴, 全选: commands on the field that has the focus, the same in every
// window and dialog of the program. Their identifiers are the menu's (menu_ids.h), so that a
// menu command or an automation client's WM_COMMAND reaches a dialog's field as a window's.
#include <windows.h>

namespace mixora::ui::field_commands {

inline constexpr int kUndo = 5201;
inline constexpr int kCut = 5202;
inline constexpr int kCopy = 5203;
inline constexpr int kPaste = 5204;
inline constexpr int kSelectAll = 5205;

} // namespace mixora::ui::field_commands

namespace mixora::ui {

// An edit field, which these commands act on.
bool IsField(HWND control);
// Runs command `id` on the field of `root` (a window or dialog) that has the focus; false when
// `id` is none of them. A command with no field focused does nothing.
bool RunFieldCommand(HWND root, int id);
// As in a dialog, a field reached with Tab has its text selected for typing over.
void SelectForTyping(HWND control);

} // namespace mixora::ui
