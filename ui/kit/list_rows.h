#pragma once
// A list of rows (ControlType::List): each row's columns separated by tabs, placed at the list's
// tab stops, and the value each row stands for (a record's or a design's id).
#include <windows.h>

#include <span>
#include <string>
#include <vector>

namespace mixora::ui {

struct ListRow {
    std::wstring text; // the columns, separated by '\t'
    LPARAM value;
};

// The columns' left edges, in dialog units from the list's left edge.
void SetListColumns(HWND list, std::span<const int> stops);
// Replaces the rows; the row standing for `keep` stays selected when it is still there.
void ShowListRows(HWND list, const std::vector<ListRow>& rows, LPARAM keep);
// The value of the selected row, or `none`.
LPARAM SelectedRowValue(HWND list, LPARAM none = 0);

} // namespace mixora::ui
