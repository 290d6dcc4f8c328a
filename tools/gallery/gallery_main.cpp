// The skin gallery: every control kind the skin engine knows, skinned, in one window, with
// flags that stop it in a chosen state for a screenshot.
//   --hover[=N]      the mouse enters "帮助" and N fade ticks run (default 20), then the fade stops
//   --press          "计算" is held down
//   --focus          "帮助" has the keyboard focus
//   --hover-controls the mouse is over a check box, an option button, a header item and a drop
//                    button
//   --close-after=MS closes the window (removing the skin) after MS milliseconds
//   --no-skin        the same window without the skin, for comparison
#include "gallery_window.h"
#include "callback_guard.h"

#include "fade_timer.h"
#include "skin.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string_view>

namespace {

using mixora::gallery::GalleryWindow;

struct Options {
    bool skin = true;
    int hover_ticks = -1;
    bool press = false;
    bool focus = false;
    bool hover_controls = false;
    int close_after_ms = 0;
};

constexpr UINT_PTR kCloseTimer = 100;

Options ParseOptions() {
    Options options;
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; args && i < count; ++i) {
        const std::wstring_view arg = args[i];
        const auto value_after = [&](std::wstring_view prefix) {
            return std::wcstol(args[i] + prefix.size(), nullptr, 10);
        };
        if (arg == L"--hover")
            options.hover_ticks = 20;
        else if (arg.starts_with(L"--hover="))
            options.hover_ticks = value_after(L"--hover=");
        else if (arg == L"--press")
            options.press = true;
        else if (arg == L"--focus")
            options.focus = true;
        else if (arg == L"--hover-controls")
            options.hover_controls = true;
        else if (arg == L"--no-skin")
            options.skin = false;
        else if (arg.starts_with(L"--close-after="))
            options.close_after_ms = static_cast<int>(value_after(L"--close-after="));
    }
    LocalFree(args);
    return options;
}

LRESULT HandleFormMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kCloseTimer) PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_CLOSE:
        // The design window's unload: the skin goes before the window.
        mixora::skin::RemoveSkin(window);
        DestroyWindow(window);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return mixora::base::Guarded(
        "控件样本", LRESULT{0}, [&] { return HandleFormMessage(window, message, wParam, lParam); });
}

POINT CentreOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(window, &centre);
    return centre;
}

// A mouse message as the system sends it, at the control's client point.
void SendMouse(HWND window, UINT message, WPARAM keys, POINT client) {
    SendMessageW(window, message, keys, MAKELPARAM(client.x, client.y));
}

void HoverButton(HWND button, int ticks) {
    const POINT screen = CentreOnScreen(button);
    SetCursorPos(screen.x, screen.y);
    SendMouse(button, WM_MOUSEMOVE, 0, {10, 10});
    for (int i = 0; i < ticks; ++i)
        SendMessageW(button, WM_TIMER, mixora::skin::kFadeTimerId, 0);
    // Frozen half way: the face stays as blended so far.
    mixora::skin::StopFadeTimer(button);
}

void PressButton(HWND button) {
    const POINT screen = CentreOnScreen(button);
    SetCursorPos(screen.x, screen.y);
    SendMouse(button, WM_MOUSEMOVE, 0, {10, 10});
    SendMouse(button, WM_LBUTTONDOWN, MK_LBUTTON, {10, 10});
}

void HoverControls(const GalleryWindow& gallery) {
    SendMouse(gallery.check_box, WM_MOUSEMOVE, 0, {5, 10});
    SendMouse(gallery.option_button, WM_MOUSEMOVE, 0, {5, 10});
    SendMouse(gallery.header, WM_MOUSEMOVE, 0, {130, 10});
    RECT combo{};
    GetWindowRect(gallery.drop_down_combo, &combo);
    SendMouse(gallery.drop_down_combo, WM_MOUSEMOVE, 0,
              {combo.right - combo.left - 8, (combo.bottom - combo.top) / 2});
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const Options options = ParseOptions();
    const GalleryWindow gallery = mixora::gallery::BuildGalleryWindow(instance, FormProc);
    if (!gallery.form) return 1;
    if (options.skin) mixora::skin::InstallSkin(gallery.form);
    ShowWindow(gallery.form, show);
    SetForegroundWindow(gallery.form);
    RedrawWindow(gallery.form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);

    if (options.focus) SetFocus(gallery.push_button);
    if (options.hover_controls) HoverControls(gallery);
    if (options.hover_ticks >= 0) HoverButton(gallery.push_button, options.hover_ticks);
    if (options.press) PressButton(gallery.default_button);
    if (options.close_after_ms > 0) {
        SetTimer(gallery.form, kCloseTimer, static_cast<UINT>(options.close_after_ms), nullptr);
    }

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
