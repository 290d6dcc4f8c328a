#pragma once
// The design window's menu bar and its keyboard shortcuts, built from tables.
#include <windows.h>

#include <string>
#include <vector>

namespace mixora::ui {

// The menu bar: 文件, 编辑, 材料, 帮助, with the batch ticket's commands when the design has one.
// nullptr when it cannot be made.
HMENU CreateMenuBar(bool batch_ticket = false);

// The shortcuts that are commands of the menu (Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+P,
// Ctrl+Shift+C); plain Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+Z stay the fields' own.
HACCEL CreateMenuAccelerators();

// The position in the 文件 menu is between 另存为 and 退出: the recent designs, numbered, with
// their paths shortened to fit, and a separator after them when there are any.
void ShowRecentDesigns(HMENU menu_bar, const std::vector<std::wstring>& paths);

// A path no longer than `limit` characters for a menu: the drive or share, an ellipsis and the
// last folders, always with the whole file name.
std::wstring ShortenPathForMenu(const std::wstring& path, size_t limit = 60);

} // namespace mixora::ui
