#include "window_classes.h"

#include "frame.h"

namespace mixora::ui {

namespace {

bool Register(const WNDCLASSEXW& wc) {
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// A class that behaves exactly like the system's "Button" under another name.
bool RegisterButtonSuperclass(HINSTANCE instance, const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(nullptr, L"Button", &wc)) return false;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    return Register(wc);
}

} // namespace

bool RegisterWindowClasses(HINSTANCE instance, WNDPROC form_procedure) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = form_procedure;
    form.hInstance = instance;
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    form.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;

    WNDCLASSEXW frame{};
    frame.cbSize = sizeof(frame);
    frame.lpfnWndProc = FrameProc;
    frame.cbWndExtra = kFrameExtraBytes;
    frame.hInstance = instance;
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frame.lpszClassName = kFrameClass;

    return Register(form) && Register(frame) && RegisterButtonSuperclass(instance, kOptionClass) &&
           RegisterButtonSuperclass(instance, kCheckClass);
}

} // namespace mixora::ui
