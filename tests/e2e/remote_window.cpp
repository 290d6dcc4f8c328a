#include "remote_window.h"

#include <algorithm>
#include <initializer_list>

namespace mixora::automation {

namespace {

// A visible top-level window of the process (of any, for 0) whose class is one of `classes` and
// whose title begins with `prefix`.
struct Search {
    DWORD process_id;
    std::initializer_list<const wchar_t*> classes;
    std::wstring_view prefix;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM lparam) {
    auto* search = reinterpret_cast<Search*>(lparam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    const bool of_class = std::any_of(search->classes.begin(), search->classes.end(),
                                      [&](const wchar_t* c) { return lstrcmpiW(name, c) == 0; });
    if ((search->process_id != 0 && pid != search->process_id) || !of_class ||
        !IsWindowVisible(window) ||
        (!search->prefix.empty() && !GetText(window).starts_with(search->prefix)))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND WaitForTopLevel(DWORD process_id, std::initializer_list<const wchar_t*> classes,
                     std::wstring_view prefix, DWORD timeout_ms) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    do {
        Search search{process_id, classes, prefix, nullptr};
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM lparam) {
    auto* search = reinterpret_cast<ControlSearch*>(lparam);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

HWND WaitForForm(DWORD process_id, DWORD timeout_ms) {
    return WaitForTopLevel(process_id, {L"Form"}, {}, timeout_ms);
}

HWND WaitForMessageBox(DWORD process_id, DWORD timeout_ms) {
    return WaitForTopLevel(process_id, {L"#32770"}, {}, timeout_ms);
}

HWND WaitForTitled(std::wstring_view prefix, DWORD process_id, DWORD timeout_ms) {
    return WaitForTopLevel(process_id, {L"Form", L"#32770"}, prefix, timeout_ms);
}

HWND FindControl(HWND parent, int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(parent, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring GetText(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

void SetText(HWND window, const std::wstring& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &result);
}

void ClickAsync(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

std::wstring MessageBoxPrompt(HWND box) {
    // The prompt is the box's static text (control ID 0xFFFF).
    HWND prompt = GetDlgItem(box, 0xFFFF);
    return prompt ? GetText(prompt) : GetText(box);
}

bool DismissMessageBox(HWND box, DWORD timeout_ms) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    while (IsWindow(box)) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(20);
    }
    return true;
}

void Sync(HWND window) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
}

} // namespace mixora::automation
