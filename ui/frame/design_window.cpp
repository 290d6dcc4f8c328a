#include "design_window.h"

#include "callback_guard.h"
#include "cement_sheet.h"
#include "control_ids.h"
#include "menu_bar.h"
#include "menu_ids.h"
#include "open_windows.h"
#include "skin.h"
#include "window_classes.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>

namespace mixora::ui {

namespace {

constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// A sheet that scrolls: its window can be resized and maximised as well.
constexpr DWORD kScrollingFormStyle = kFormStyle | WS_THICKFRAME | WS_MAXIMIZEBOX;

// The window rectangle for a client area of the sheet's size at a DPI, the menu bar above it.
SIZE WindowSizeFor(HWND window, SIZE client_twips, int dpi) {
    RECT rect{0, 0, TwipsToPixels(client_twips.cx, dpi), TwipsToPixels(client_twips.cy, dpi)};
    AdjustWindowRectExForDpi(&rect, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             GetMenu(window) != nullptr, 0, static_cast<UINT>(dpi));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// A menu bar that wraps onto a second line takes more than one bar's height: grow the window
// by whatever the client area still lacks.
void KeepClientSize(HWND window, int client_height_twips, int dpi) {
    RECT client{};
    GetClientRect(window, &client);
    const int lacking = TwipsToPixels(client_height_twips, dpi) - (client.bottom - client.top);
    if (lacking == 0) return;
    RECT outer{};
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left,
                 outer.bottom - outer.top + lacking, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

DesignWindow::DesignWindow(DesignWindowOptions options)
    : frame_(std::move(options)), files_(frame_,
                                         [this](document::DesignKind kind) -> FileCommands* {
                                             DesignWindow* other = OpenWindowOf(kind);
                                             return other ? &other->files() : nullptr;
                                         }),
      reports_(frame_, files_), edits_(frame_, files_), help_(frame_),
      labs_(frame_, files_,
            [this](document::DesignKind kind) -> LabCommands* {
                DesignWindow* other = OpenWindowOf(kind);
                return other ? &other->labs() : nullptr;
            }),
      databases_(frame_), keys_(frame_) {
    SheetHost& host = *this;
    const DesignWindowOptions& made = frame_.options;
    frame_.sheet = made.make_sheet ? made.make_sheet(host, made.number_format)
                                   : std::make_unique<CementSheet>(host, made.number_format);
}

std::unique_ptr<DesignWindow> DesignWindow::Create(HINSTANCE instance,
                                                   DesignWindowOptions options) {
    if (!options.message_boxes) return nullptr;
    if (!RegisterWindowClasses(instance, &DesignWindow::Procedure)) return nullptr;
    std::unique_ptr<DesignWindow> window(new DesignWindow(std::move(options)));
    // The window owns its menu bar from here on and destroys it with itself.
    SheetView& sheet = *window->frame_.sheet;
    HMENU menu = CreateMenuBar(sheet.HasBatchTicket());
    const std::wstring title(sheet.ProgramTitle());
    const DWORD style = sheet.ScrollingStripTop() ? kScrollingFormStyle : kFormStyle;
    HWND hwnd =
        CreateWindowExW(0, kFormClass, title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance, window.get());
    if (!hwnd) {
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    DragAcceptFiles(hwnd, TRUE);
    window->dpi_ = static_cast<int>(GetDpiForWindow(hwnd));
    if (window->dpi_ <= 0) window->dpi_ = USER_DEFAULT_SCREEN_DPI;
    if (!sheet.Create(hwnd)) return nullptr;
    window->ApplyFont(window->dpi_);
    window->ApplyLayout(nullptr);
    // Loading: the skin first (unless a high-contrast theme is on), then the reset sheet.
    window->FollowHighContrast();
    sheet.Reset();
    return window;
}

DesignWindow::~DesignWindow() {
    if (frame_.hwnd) {
        frame_.options.quit_on_destroy = false;
        DestroyWindow(frame_.hwnd);
    }
}

HWND DesignWindow::Control(int id) const {
    return frame_.hwnd ? frame_.sheet->form().Control(id) : nullptr;
}

void DesignWindow::ApplyFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    HFONT font = nullptr;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                   static_cast<UINT>(dpi)))
        font = CreateFontIndirectW(&metrics.lfMessageFont);
    if (!font) return; // keep the font we have
    for (HWND control : frame_.sheet->form().Controls())
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    font_.reset(font); // after the controls have let go of the old one
}

void DesignWindow::ApplyLayout(const RECT* suggested) {
    Form& form = frame_.sheet->form();
    form.Place(font_.get(), dpi_);
    const SIZE client = form.Size();
    const SIZE size = WindowSizeFor(frame_.hwnd, client, dpi_);
    int left = 0, top = 0;
    if (suggested) {
        left = suggested->left;
        top = suggested->top;
    } else {
        // Centred in the work area of its monitor.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(frame_.hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        left = work.left + (work.right - work.left - size.cx) / 2;
        top = work.top + (work.bottom - work.top - size.cy) / 2;
    }
    SetWindowPos(frame_.hwnd, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    KeepClientSize(frame_.hwnd, client.cy, dpi_);
    // A sheet that scrolls takes the work area of a screen smaller than it.
    if (const auto strip = frame_.sheet->ScrollingStripTop()) {
        scroll_.Capture(frame_.hwnd,
                        {TwipsToPixels(client.cx, dpi_), TwipsToPixels(client.cy, dpi_)},
                        TwipsToPixels(*strip, dpi_) - 2);
        scroll_.FitWorkArea();
    }
    InvalidateRect(frame_.hwnd, nullptr, TRUE);
}

void DesignWindow::MoveFocus(bool backward) {
    keys_.MoveFocus(backward);
    scroll_.Reveal(GetFocus());
}

bool DesignWindow::PreTranslateMessage(const MSG& message) {
    if (!keys_.PreTranslate(message)) return false;
    scroll_.Reveal(GetFocus()); // Tab or an arrow may have moved the focus out of view
    return true;
}

// The skin steps aside while a high-contrast theme is on and comes back when it goes; the groups
// take the theme's colours meanwhile. Only the look changes: the sheet keeps everything on it.
void DesignWindow::FollowHighContrast() {
    const bool high_contrast = frame_.options.high_contrast && frame_.options.high_contrast();
    frame_.sheet->form().FollowHighContrast(high_contrast);
    const bool skin = frame_.options.install_skin && !high_contrast;
    if (skin == frame_.skinned) return;
    if (skin)
        skin::InstallSkin(frame_.hwnd);
    else
        skin::RemoveSkin(frame_.hwnd);
    frame_.skinned = skin;
    RedrawWindow(frame_.hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void DesignWindow::Show(int show_command) {
    ShowWindow(frame_.hwnd, show_command);
    UpdateWindow(frame_.hwnd);
    if (HWND first = Control(frame_.sheet->form().FocusOrder().front())) SetFocus(first);
}

LRESULT CALLBACK DesignWindow::Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) noexcept {
    return base::Guarded("设计窗口", LRESULT{0}, [&] {
        if (message == WM_NCCREATE) {
            auto* self =
                static_cast<DesignWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
            self->frame_.hwnd = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            OpenWindows().push_back(self);
        }
        auto* self = reinterpret_cast<DesignWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self) return DefWindowProcW(window, message, wp, lp);
        return self->HandleMessage(message, wp, lp);
    });
}

LRESULT DesignWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(wparam, lparam);
    case WM_CLOSE: return OnClose();
    case WM_DESTROY: return OnDestroy();
    case WM_DPICHANGED: return OnDpiChanged(wparam, lparam);
    case WM_ACTIVATE: return OnActivate(wparam, lparam);
    case WM_NCDESTROY: return OnNcDestroy();
    case WM_DROPFILES: return OnDropFiles(wparam);
    case WM_INITMENUPOPUP: return OnInitMenuPopup(wparam, lparam);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: return OnSystemLookChange(message, wparam, lparam);
    case FileCommands::kTitleDueMessage: files_.OnTitleDue(); return 0;
    case WM_SIZE:
        if (wparam != SIZE_MINIMIZED) scroll_.Layout();
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        if (scroll_.OnScroll(message, wparam)) return 0;
        break;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(lparam);
    }
    return DefWindowProcW(frame_.hwnd, message, wparam, lparam);
}

LRESULT DesignWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
    const int id = LOWORD(wparam);
    if (lparam == 0) { // a menu command or a shortcut
        OnMenuCommand(id);
        return 0;
    }
    const UINT code = HIWORD(wparam);
    if (code == EN_SETFOCUS || code == CBN_SETFOCUS || code == BN_SETFOCUS)
        scroll_.Reveal(reinterpret_cast<HWND>(lparam));
    bool changed = false;
    frame_.sheet->OnControl(id, code, changed);
    if (changed) files_.ScheduleTitle();
    // A close asked for while the sheet was busy is carried out now that it is done.
    if (close_due_ && !frame_.sheet->Busy() && frame_.hwnd) {
        close_due_ = false;
        PostMessageW(frame_.hwnd, WM_CLOSE, 0, 0);
    }
    return 0;
}

void DesignWindow::ClickSheetButton(int id) {
    bool changed = false;
    frame_.sheet->OnControl(id, BN_CLICKED, changed);
}

void DesignWindow::OnCalculate() {
    ClickSheetButton(ids::Calculate);
}

void DesignWindow::OnHelp() {
    ClickSheetButton(ids::Help);
}

void DesignWindow::OnReset() {
    ClickSheetButton(ids::Reset);
}

namespace {

// The windows opened from another (新建 of another kind, a file of another kind): each lives
// until it is closed, and is let go of by the message loop once it is.
std::vector<std::unique_ptr<DesignWindow>>& KeptWindows() {
    static std::vector<std::unique_ptr<DesignWindow>> windows;
    return windows;
}

} // namespace

void ReleaseClosedWindows() {
    std::erase_if(KeptWindows(), [](const auto& window) { return window->hwnd() == nullptr; });
}

// Closed windows are let go of only by the message loop, between messages: a command still
// running (a question, a dialog) may be one of theirs.
DesignWindow* DesignWindow::OpenWindowOf(document::DesignKind kind) {
    DesignWindowOptions options = frame_.options;
    options.make_sheet = SheetFactoryFor(kind);
    const auto instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(frame_.hwnd, GWLP_HINSTANCE));
    std::unique_ptr<DesignWindow> window = Create(instance, std::move(options));
    if (!window) {
        frame_.Say(L"无法创建新的设计窗口。", MB_OK | MB_ICONWARNING);
        return nullptr;
    }
    // A little below and to the right of this one, so that both can be seen.
    RECT here{};
    GetWindowRect(frame_.hwnd, &here);
    const int step = GetSystemMetricsForDpi(SM_CYCAPTION, static_cast<UINT>(dpi_)) +
                     GetSystemMetricsForDpi(SM_CYFRAME, static_cast<UINT>(dpi_));
    SetWindowPos(window->hwnd(), nullptr, here.left + step, here.top + step, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window->scroll_.FitWorkArea(); // a window that scrolls stays inside the work area
    window->Show(SW_SHOWNORMAL);
    return KeptWindows().emplace_back(std::move(window)).get();
}

// "退出" ends the program at once, but first asks about every open design that would lose work;
// 取消 for any of them stops it. A question runs a message loop, in which windows may come and
// go: the next window to ask about is taken from the open windows each time, so that one closed
// meanwhile is not asked about (its object stays until the message loop lets go of it) and one
// opened meanwhile is.
void DesignWindow::ExitProgram() {
    std::vector<const DesignWindow*> asked;
    while (true) {
        const auto& open = OpenWindows();
        const auto next = std::find_if(open.begin(), open.end(), [&](const DesignWindow* window) {
            return std::find(asked.begin(), asked.end(), window) == asked.end();
        });
        if (next == open.end()) break;
        DesignWindow* window = *next;
        asked.push_back(window);
        if (!window->files_.ConfirmDiscard()) return;
    }
    frame_.options.exit_program();
}

bool WrittenByAnotherWindow(HWND self, const std::wstring& path, const FileStamp& stamp) {
    for (const DesignWindow* window : OpenWindows())
        if (window->hwnd() != self && window->design_path() && window->disk_stamp() == stamp &&
            SameFile(*window->design_path(), path))
            return true;
    return false;
}

// A menu command or a shortcut goes to the command object that has it.
void DesignWindow::OnMenuCommand(int id) {
    if (id == menu_ids::kExitProgram) { // 退出 ends the program, from any window
        ExitProgram();
        return;
    }
    files_.Run(id) || reports_.Run(id) || edits_.Run(id) || labs_.Run(id) || databases_.Run(id) ||
        help_.Run(id);
}

// Unloading: the skin comes off the window and every control. The unload waits while the sheet
// is inside a command of its own, and is refused when the sheet differs from its design file
// and the user chooses 取消.
LRESULT DesignWindow::OnClose() {
    if (frame_.sheet->Busy()) {
        close_due_ = true;
        return 0;
    }
    if (!files_.ConfirmDiscard()) return 0;
    skin::RemoveSkin(frame_.hwnd);
    DestroyWindow(frame_.hwnd);
    return 0;
}

LRESULT DesignWindow::OnDestroy() {
    frame_.sheet->form().Release();
    std::erase(OpenWindows(), this);
    if (frame_.options.quit_on_destroy && OpenWindows().empty()) PostQuitMessage(0);
    return 0;
}

// Coming back to the window (after a message box, or from another program) puts the user where
// they were, not on the window itself.
LRESULT DesignWindow::OnActivate(WPARAM wparam, LPARAM lparam) {
    if (LOWORD(wparam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus && IsChild(frame_.hwnd, focus)) last_focus_ = focus;
    } else if (!HIWORD(wparam) && last_focus_ && IsChild(frame_.hwnd, last_focus_)) {
        SetFocus(last_focus_);
        return 0;
    }
    return DefWindowProcW(frame_.hwnd, WM_ACTIVATE, wparam, lparam);
}

// The window is gone: the object forgets it (it may outlive it, as in the tests).
LRESULT DesignWindow::OnNcDestroy() {
    HWND window = std::exchange(frame_.hwnd, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    std::erase(OpenWindows(), this);
    last_focus_ = nullptr;
    return DefWindowProcW(window, WM_NCDESTROY, 0, 0);
}

// A window that scrolls is never made smaller than its status line and a little above.
LRESULT DesignWindow::OnGetMinMaxInfo(LPARAM lparam) {
    if (frame_.sheet->ScrollingStripTop()) {
        const SIZE least = scroll_.MinimumTrack();
        reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = {least.cx, least.cy};
    }
    return 0;
}

// A high-contrast theme switched on or off comes with both messages.
LRESULT DesignWindow::OnSystemLookChange(UINT message, WPARAM wparam, LPARAM lparam) {
    FollowHighContrast();
    return DefWindowProcW(frame_.hwnd, message, wparam, lparam);
}

LRESULT DesignWindow::OnDropFiles(WPARAM wparam) {
    files_.OnDrop(reinterpret_cast<HDROP>(wparam));
    return 0;
}

// The recent designs are read when the 文件 menu opens: nothing is read at start.
LRESULT DesignWindow::OnInitMenuPopup(WPARAM wparam, LPARAM lparam) {
    HMENU bar = GetMenu(frame_.hwnd);
    if (bar && reinterpret_cast<HMENU>(wparam) == GetSubMenu(bar, 0) && !HIWORD(lparam))
        files_.ShowRecent(bar);
    return 0;
}

int DesignWindow::RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const std::vector<DesignWindow*> windows = OpenWindows();
        if (std::any_of(windows.begin(), windows.end(),
                        [&](DesignWindow* window) { return window->PreTranslateMessage(message); }))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
        ReleaseClosedWindows();
    }
    return static_cast<int>(message.wParam);
}

LRESULT DesignWindow::OnDpiChanged(WPARAM wparam, LPARAM lparam) {
    dpi_ = HIWORD(wparam);
    ApplyFont(dpi_);
    ApplyLayout(reinterpret_cast<const RECT*>(lparam));
    return 0;
}

} // namespace mixora::ui
