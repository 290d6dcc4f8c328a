#include "list_rows.h"

namespace mixora::ui {

void SetListColumns(HWND list, std::span<const int> stops) {
    std::vector<INT> tabs(stops.begin(), stops.end());
    SendMessageW(list, LB_SETTABSTOPS, tabs.size(), reinterpret_cast<LPARAM>(tabs.data()));
}

void ShowListRows(HWND list, const std::vector<ListRow>& rows, LPARAM keep) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const ListRow& row : rows) {
        const auto index =
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.text.c_str()));
        if (index < 0) continue;
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), row.value);
        if (row.value == keep) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

LPARAM SelectedRowValue(HWND list, LPARAM none) {
    const auto index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? none
                           : SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

} // namespace mixora::ui
