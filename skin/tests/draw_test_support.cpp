#include "draw_test_support.h"

#include "bitmaps.h"
#include "primitives.h"

#include <commctrl.h>

#include <map>

namespace mixora::skin::test {

namespace {

constexpr wchar_t kHostClass[] = L"MixoraDrawTestHost";

void RegisterHostClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = DefWindowProcW;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        window_class.lpszClassName = kHostClass;
        window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        return RegisterClassW(&window_class) != 0;
    }();
    (void)registered;
}

struct Hook {
    WNDPROC previous = nullptr;
    std::map<UINT, Handler> handlers;
};
std::map<HWND, Hook>& Hooks() {
    static std::map<HWND, Hook> hooks;
    return hooks;
}

LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto found = Hooks().find(window);
    if (found == Hooks().end()) return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC previous = found->second.previous;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        Hooks().erase(found);
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    auto handler = found->second.handlers.find(message);
    if (handler != found->second.handlers.end())
        return handler->second(previous, window, message, wParam, lParam);
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

} // namespace

HostWindow::HostWindow() {
    RegisterHostClass();
    window_.reset(CreateWindowExW(0, kHostClass, L"draw test", WS_POPUP | WS_VISIBLE, 0, 0, 640,
                                  480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    PumpMessages();
}

HWND HostWindow::AddChild(const wchar_t* class_name, const wchar_t* text, DWORD style, int x, int y,
                          int width, int height, DWORD ex_style) {
    const HWND child =
        test::AddChild(window_.get(), class_name, text, style, x, y, width, height, ex_style);
    PumpMessages();
    return child;
}

void HookMessage(HWND window, UINT message, Handler handler) {
    Hook& hook = Hooks()[window];
    if (!hook.previous)
        hook.previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc)));
    hook.handlers[message] = std::move(handler);
}

MemoryDC FilledImage(int width, int height, COLORREF colour) {
    MemoryDC image = CreateMemoryDC(width, height);
    FillSolid(image.get(), 0, 0, width, height, colour);
    return image;
}

std::vector<COLORREF> Pixels(HDC dc, int x, int y, int width, int height) {
    std::vector<COLORREF> pixels;
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            pixels.push_back(GetPixel(dc, column, row));
    return pixels;
}

int CountColour(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    int count = 0;
    for (COLORREF pixel : Pixels(dc, x, y, width, height))
        count += pixel == colour;
    return count;
}

void WithSkinBitmaps::SetUp() {
    BuildSkinBitmaps();
}
void WithSkinBitmaps::TearDown() {
    FreeSkinBitmaps();
}

} // namespace mixora::skin::test
