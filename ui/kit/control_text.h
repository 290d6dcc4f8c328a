#pragma once
// A control's state read and written in one place: its text, an option's or check box's mark,
// and a drop-down list's items with the value each stands for.
#include <windows.h>

#include <string>
#include <string_view>

namespace mixora::ui {

// The whole text of a control (a window's title); empty for none.
std::wstring ReadText(HWND control);
// Replaces it. A form writes through Form::Write, which writes only a text that differs.
void WriteText(HWND control, std::wstring_view text);
// An edit's text cut to the edit's limit when a message set it longer (typing and pasting are
// held to the limit, WM_SETTEXT is not), as a paste is cut; true when it was. The cut text
// changes the edit again, so a caller of EN_CHANGE leaves the rest to that change.
bool CutToLimit(HWND edit);

bool IsChecked(HWND button);
void SetChecked(HWND button, bool on);

// A list's item showing `name`, standing for `value`.
void AddChoice(HWND list, std::wstring_view name, LPARAM value);
// Selects the item standing for `value`; none when no item does.
void SelectValue(HWND list, LPARAM value);
// The value of the selected item, or `none` when nothing is selected.
LRESULT SelectedValue(HWND list, LPARAM none = 0);

} // namespace mixora::ui
