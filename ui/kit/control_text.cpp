#include "control_text.h"

namespace mixora::ui {

std::wstring ReadText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void WriteText(HWND control, std::wstring_view text) {
    SetWindowTextW(control, std::wstring(text).c_str());
}

bool CutToLimit(HWND edit) {
    const auto limit = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
    if (limit <= 0 || GetWindowTextLengthW(edit) <= limit) return false;
    std::wstring text = ReadText(edit);
    text.resize(static_cast<std::size_t>(limit));
    WriteText(edit, text);
    return true;
}

bool IsChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND button, bool on) {
    SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void AddChoice(HWND list, std::wstring_view name, LPARAM value) {
    const auto index =
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(name).c_str()));
    SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(index), value);
}

void SelectValue(HWND list, LPARAM value) {
    const auto count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        if (SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == value)
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
}

LRESULT SelectedValue(HWND list, LPARAM none) {
    const auto index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? none
                           : SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

} // namespace mixora::ui
