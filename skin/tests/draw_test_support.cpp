#include "draw_test_support.h"

#include "bitmaps.h"
#include "primitives.h"
#include "window_dc.h"

#include <commctrl.h>

#include <cstring>
#include <map>

namespace mixora::skin::test {

namespace {

constexpr wchar_t kHostClass[] = L"MixoraDrawTestHost";

void RegisterHostClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kHostClass;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        return RegisterClassW(&windowClass) != 0;
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

// The recorder's redirected imports and what they recorded.
std::vector<HGDIOBJ>& Recorded() {
    static std::vector<HGDIOBJ> recorded;
    return recorded;
}
template <typename H> H Record(H handle) {
    if (handle) Recorded().push_back(handle);
    return handle;
}
// The real gdi32 entry, not the program's (redirected) import of it.
template <typename F> F Original(const char* name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"gdi32.dll"), name)));
}
HDC WINAPI RecordCreateCompatibleDC(HDC dc) {
    static const auto create = Original<decltype(&CreateCompatibleDC)>("CreateCompatibleDC");
    return Record(create(dc));
}
HDC WINAPI RecordCreateDCW(LPCWSTR driver, LPCWSTR device, LPCWSTR output, const DEVMODEW* mode) {
    static const auto create = Original<decltype(&CreateDCW)>("CreateDCW");
    return Record(create(driver, device, output, mode));
}
HBITMAP WINAPI RecordCreateCompatibleBitmap(HDC dc, int width, int height) {
    static const auto create =
        Original<decltype(&CreateCompatibleBitmap)>("CreateCompatibleBitmap");
    return Record(create(dc, width, height));
}
HBITMAP WINAPI RecordCreateBitmap(int width, int height, UINT planes, UINT bits, const void* data) {
    static const auto create = Original<decltype(&CreateBitmap)>("CreateBitmap");
    return Record(create(width, height, planes, bits, data));
}
HBRUSH WINAPI RecordCreateSolidBrush(COLORREF colour) {
    static const auto create = Original<decltype(&CreateSolidBrush)>("CreateSolidBrush");
    return Record(create(colour));
}
HPALETTE WINAPI RecordCreateHalftonePalette(HDC dc) {
    static const auto create = Original<decltype(&CreateHalftonePalette)>("CreateHalftonePalette");
    return Record(create(dc));
}

struct Redirect {
    const char* name;
    void* replacement;
    void* original;
};
Redirect kRedirects[] = {
    {"CreateCompatibleDC", reinterpret_cast<void*>(&RecordCreateCompatibleDC), nullptr},
    {"CreateDCW", reinterpret_cast<void*>(&RecordCreateDCW), nullptr},
    {"CreateCompatibleBitmap", reinterpret_cast<void*>(&RecordCreateCompatibleBitmap), nullptr},
    {"CreateBitmap", reinterpret_cast<void*>(&RecordCreateBitmap), nullptr},
    {"CreateSolidBrush", reinterpret_cast<void*>(&RecordCreateSolidBrush), nullptr},
    {"CreateHalftonePalette", reinterpret_cast<void*>(&RecordCreateHalftonePalette), nullptr},
};

// Points the program's import of each redirected gdi32 call at `to` (true) or back (false).
void PatchImports(bool install) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
    for (; import->Name; ++import) {
        if (_stricmp(reinterpret_cast<const char*>(base + import->Name), "gdi32.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName =
                reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            for (Redirect& redirect : kRedirects) {
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), redirect.name))
                    continue;
                DWORD protection = 0;
                VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE,
                               &protection);
                if (install) {
                    redirect.original = reinterpret_cast<void*>(slots->u1.Function);
                    slots->u1.Function = reinterpret_cast<ULONG_PTR>(redirect.replacement);
                } else if (redirect.original) {
                    slots->u1.Function = reinterpret_cast<ULONG_PTR>(redirect.original);
                }
                VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection,
                               &protection);
            }
        }
    }
}

} // namespace

HostWindow::HostWindow() {
    RegisterHostClass();
    window_.reset(CreateWindowExW(0, kHostClass, L"draw test", WS_POPUP | WS_VISIBLE, 0, 0, 640,
                                  480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    PumpMessages();
}

HWND HostWindow::AddChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
                          int width, int height, DWORD exStyle) {
    const HWND child =
        CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                        height, window_.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    PumpMessages();
    return child;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void HookMessage(HWND window, UINT message, Handler handler) {
    Hook& hook = Hooks()[window];
    if (!hook.previous)
        hook.previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProc)));
    hook.handlers[message] = std::move(handler);
}

COLORREF WindowPixel(HWND window, int x, int y) {
    const base::unique_window_dc dc = base::GetWindowDCScoped(window);
    return GetPixel(dc.get(), x, y);
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

GdiRecorder::GdiRecorder() {
    Recorded().clear();
    PatchImports(true);
}
GdiRecorder::~GdiRecorder() {
    PatchImports(false);
}
const std::vector<HGDIOBJ>& GdiRecorder::Created() const {
    return Recorded();
}
std::vector<HGDIOBJ> GdiRecorder::Alive() const {
    std::vector<HGDIOBJ> alive;
    for (HGDIOBJ handle : Recorded())
        if (GetObjectType(handle) != 0) alive.push_back(handle);
    return alive;
}
void GdiRecorder::Clear() {
    Recorded().clear();
}

void WithSkinBitmaps::SetUp() {
    BuildSkinBitmaps();
}
void WithSkinBitmaps::TearDown() {
    FreeSkinBitmaps();
}

} // namespace mixora::skin::test
