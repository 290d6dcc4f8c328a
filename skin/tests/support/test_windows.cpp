#include "test_windows.h"

#include "window_dc.h"

namespace mixora::skin::test {

HWND AddChild(HWND parent, const wchar_t* class_name, const wchar_t* text, DWORD style, int x,
              int y, int width, int height, DWORD ex_style) {
    return CreateWindowExW(ex_style, class_name, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> all;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

COLORREF WindowPixel(HWND window, int x, int y) {
    const base::unique_window_dc dc = base::GetWindowDCScoped(window);
    return GetPixel(dc.get(), x, y);
}

} // namespace mixora::skin::test
