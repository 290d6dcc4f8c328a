#include "engine_windows.h"

#include "handles.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>

namespace mixora::skin::test {

namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

void RegisterPlain(const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = Instance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

// The same window procedure and extra bytes as the base class, under another name.
void RegisterSuperclass(const wchar_t* base, const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    GetClassInfoExW(nullptr, base, &wc);
    wc.hInstance = Instance();
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

} // namespace

void RegisterTestClasses() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS;
        InitCommonControlsEx(&controls);
        RegisterPlain(L"Form");
        RegisterPlain(L"TestFrame");
        RegisterSuperclass(L"Button", L"ThunderRT6CheckBox");
        RegisterSuperclass(L"Button", L"ThunderRT6OptionButton");
        RegisterSuperclass(L"Button", L"ThunderRT6CommandButton");
        RegisterSuperclass(PROGRESS_CLASSW, L"ProgressBar20WndClass");
        return true;
    }();
    (void)registered;
}

base::unique_hwnd MakeForm(int width, int height) {
    RegisterTestClasses();
    base::unique_hwnd form(CreateWindowExW(0, L"Form", L"engine test", WS_POPUP | WS_VISIBLE, 40,
                                           40, width, height, nullptr, nullptr, Instance(),
                                           nullptr));
    SetForegroundWindow(form.get());
    UpdateWindow(form.get());
    return form;
}

DesignLikeForm MakeDesignLikeForm() {
    DesignLikeForm f;
    f.form = MakeForm();
    const HWND form = f.form.get();
    f.frame = AddChild(form, L"TestFrame", L"", 0, 10, 10, 300, 200);
    f.label = AddChild(f.frame, L"Static", L"强度", 0, 10, 10, 60, 20);
    f.edit = AddChild(f.frame, L"Edit", L"20", WS_TABSTOP, 80, 10, 80, 22, WS_EX_CLIENTEDGE);
    AddChild(f.frame, L"Edit", L"4", WS_TABSTOP, 80, 40, 80, 22, WS_EX_CLIENTEDGE);
    f.option1 = AddChild(f.frame, L"ThunderRT6OptionButton", L"体积法",
                         BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 10, 80, 90, 20);
    f.option2 = AddChild(f.frame, L"ThunderRT6OptionButton", L"质量法", BS_AUTORADIOBUTTON, 10, 110,
                         90, 20);
    f.check1 = AddChild(f.frame, L"ThunderRT6CheckBox", L"卵石", BS_AUTOCHECKBOX | WS_TABSTOP, 120,
                        80, 90, 20);
    AddChild(form, L"Edit", L"", WS_TABSTOP, 330, 20, 100, 22, WS_EX_CLIENTEDGE);
    AddChild(form, L"Static", L"水泥", 0, 330, 50, 60, 20);
    const wchar_t* captions[] = {L"计算", L"帮助", L"清零", L"退出"};
    for (int i = 0; i < 4; ++i) {
        f.command[i] = AddChild(form, L"Button", captions[i],
                                (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP,
                                20 + 100 * i, 330, 90, 30);
    }
    SendMessageW(f.option1, BM_SETCHECK, BST_CHECKED, 0);
    return f;
}

std::vector<std::wstring> PropNames(HWND window) {
    std::vector<std::wstring> names;
    EnumPropsExW(
        window,
        [](HWND, LPWSTR name, HANDLE, ULONG_PTR list) -> BOOL {
            std::wstring text = IS_INTRESOURCE(name)
                                    ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                                    : std::wstring(name);
            for (auto& c : text)
                c = static_cast<wchar_t>(std::towupper(c));
            reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(text);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&names));
    std::sort(names.begin(), names.end());
    return names;
}

bool HasProp(HWND window, const wchar_t* key) {
    std::wstring upper(key);
    for (auto& c : upper)
        c = static_cast<wchar_t>(std::towupper(c));
    const auto names = PropNames(window);
    return std::find(names.begin(), names.end(), upper) != names.end();
}

POINT ClientCentre(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right / 2, client.bottom / 2};
}

void MoveCursorTo(HWND window, POINT client) {
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
}

LPARAM MousePosition(POINT client) {
    return MAKELPARAM(client.x, client.y);
}

void FinishPainting(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace mixora::skin::test
