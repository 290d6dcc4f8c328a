#include "bench_windows.h"

#include "gallery_window.h"

namespace mixora::bench {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// Frames of the design window: place and number of label/field rows.
struct FrameSpec {
    int x, y, width, rows;
};
constexpr FrameSpec kFrames[] = {
    {10, 10, 300, 4},  {320, 10, 300, 4},  {630, 10, 300, 4},
    {10, 160, 300, 4}, {320, 160, 300, 4}, {630, 160, 300, 4},
    {10, 310, 300, 3}, {320, 310, 300, 3}, {630, 310, 300, 3},
};

struct ButtonSpec {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    int x, y;
};
constexpr ButtonSpec kButtons[] = {
    {L"ThunderRT6OptionButton", L"体积法", BS_AUTORADIOBUTTON | WS_GROUP, 20, 440},
    {L"ThunderRT6OptionButton", L"质量法", BS_AUTORADIOBUTTON, 120, 440},
    {L"ThunderRT6CheckBox", L"卵石", BS_AUTOCHECKBOX | WS_GROUP, 220, 440},
    {L"ThunderRT6CheckBox", L"碎石", BS_AUTOCHECKBOX, 320, 440},
    {L"ThunderRT6OptionButton", L"细砂", BS_AUTORADIOBUTTON | WS_GROUP, 420, 440},
    {L"ThunderRT6OptionButton", L"粗砂", BS_AUTORADIOBUTTON, 520, 440},
    {L"Button", L"计算", BS_DEFPUSHBUTTON | WS_GROUP, 20, 480},
    {L"Button", L"帮助", BS_PUSHBUTTON, 120, 480},
    {L"Button", L"清零", BS_PUSHBUTTON, 220, 480},
    {L"Button", L"退出", BS_PUSHBUTTON, 320, 480},
};

void RegisterFrameClass(HINSTANCE instance) {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof(frame);
    frame.lpfnWndProc = DefWindowProcW;
    frame.hInstance = instance;
    frame.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    frame.lpszClassName = L"ThunderRT6Frame";
    RegisterClassExW(&frame);
}

HWND Add(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
         int width, int height, DWORD exStyle = 0) {
    const HWND control = CreateWindowExW(
        exStyle, className, text, kChild | style, x, y, width, height, parent, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

} // namespace

BenchWindow BuildGallery(HINSTANCE instance) {
    const gallery::GalleryWindow window = gallery::BuildGalleryWindow(instance);
    return {window.form, window.pushButton};
}

BenchWindow BuildDesignLike(HINSTANCE instance) {
    gallery::RegisterGalleryClasses(instance);
    RegisterFrameClass(instance);
    BenchWindow window;
    window.form = CreateWindowExW(0, L"Form", L"混凝土配合比设计", WS_OVERLAPPEDWINDOW, 20, 20, 950,
                                  560, nullptr, nullptr, instance, nullptr);
    if (!window.form) return window;
    for (const FrameSpec& f : kFrames) {
        const HWND frame = Add(window.form, L"ThunderRT6Frame", L"", 0, f.x, f.y, f.width, 140);
        for (int row = 0; row < f.rows; ++row) {
            const int y = 10 + 30 * row;
            Add(frame, L"Static", L"强度标准差", 0, 10, y, 110, 22);
            Add(frame, L"Edit", L"4", ES_AUTOHSCROLL | WS_TABSTOP, 130, y, 150, 24,
                WS_EX_CLIENTEDGE);
        }
    }
    for (const ButtonSpec& b : kButtons) {
        const HWND control =
            Add(window.form, b.className, b.text, b.style | WS_TABSTOP, b.x, b.y, 90, 30);
        if ((b.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) window.button = control;
    }
    return window;
}

} // namespace mixora::bench
