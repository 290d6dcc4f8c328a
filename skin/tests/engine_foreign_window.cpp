// A window of another process for the engine tests: a "Form" titled with the event name it is
// given, which it signals once the window exists. It ends when the window is closed.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR event_name, int) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    wc.hInstance = instance;
    wc.lpszClassName = L"Form";
    RegisterClassExW(&wc);
    const HWND window = CreateWindowExW(0, L"Form", event_name, WS_POPUP | WS_VISIBLE, 700, 40, 80,
                                        60, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, event_name)) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    SetTimer(window, 1, 30000, nullptr); // never outlive a test that failed to close it
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) DestroyWindow(window);
        DispatchMessageW(&message);
    }
    return 0;
}
