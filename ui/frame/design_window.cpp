#include "design_window.h"

#include "callback_guard.h"
#include "cement_sheet.h"
#include "control_ids.h"
#include "layout.h"
#include "menu_bar.h"
#include "menu_ids.h"
#include "open_windows.h"
#include "skin.h"
#include "version.h"
#include "window_classes.h"

#include <shellapi.h>

#include <utility>

namespace mixora::ui {

namespace {

constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The window rectangle for a client area of the sheet's size at a DPI, the menu bar above it.
SIZE WindowSizeFor(HWND window, SIZE client_twips, int dpi) {
    RECT rect{0, 0, TwipsToPixels(client_twips.cx, dpi), TwipsToPixels(client_twips.cy, dpi)};
    AdjustWindowRectExForDpi(&rect, kFormStyle, GetMenu(window) != nullptr, 0,
                             static_cast<UINT>(dpi));
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

DesignWindow::DesignWindow(DesignWindowOptions options) : options_(std::move(options)) {
    SheetHost& host = *this;
    sheet_ = options_.make_sheet ? options_.make_sheet(host, options_.number_format)
                                 : std::make_unique<CementSheet>(host, options_.number_format);
}

std::unique_ptr<DesignWindow> DesignWindow::Create(HINSTANCE instance,
                                                   DesignWindowOptions options) {
    if (!options.message_boxes) return nullptr;
    if (!RegisterWindowClasses(instance, &DesignWindow::Procedure)) return nullptr;
    std::unique_ptr<DesignWindow> window(new DesignWindow(std::move(options)));
    // The window owns its menu bar from here on and destroys it with itself.
    HMENU menu = CreateMenuBar(window->sheet_->HasBatchTicket());
    const std::wstring title(window->sheet_->ProgramTitle());
    HWND hwnd =
        CreateWindowExW(0, kFormClass, title.c_str(), kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance, window.get());
    if (!hwnd) {
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    window->accelerators_.reset(CreateMenuAccelerators());
    DragAcceptFiles(hwnd, TRUE);
    window->dpi_ = static_cast<int>(GetDpiForWindow(hwnd));
    if (window->dpi_ <= 0) window->dpi_ = USER_DEFAULT_SCREEN_DPI;
    if (!window->sheet_->Create(hwnd)) return nullptr;
    window->ApplyFont(window->dpi_);
    window->ApplyLayout(nullptr);
    window->Load();
    return window;
}

DesignWindow::~DesignWindow() {
    if (hwnd_) {
        options_.quit_on_destroy = false;
        DestroyWindow(hwnd_);
    }
}

HWND DesignWindow::Control(int id) const {
    return hwnd_ ? sheet_->Control(id) : nullptr;
}

void DesignWindow::ApplyFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    HFONT font = nullptr;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                   static_cast<UINT>(dpi)))
        font = CreateFontIndirectW(&metrics.lfMessageFont);
    if (!font) return; // keep the font we have
    for (HWND control : sheet_->Controls())
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    font_.reset(font); // after the controls have let go of the old one
}

void DesignWindow::ApplyLayout(const RECT* suggested) {
    sheet_->Layout(font_.get(), dpi_);
    const SIZE client = sheet_->ClientSizeTwips();
    const SIZE size = WindowSizeFor(hwnd_, client, dpi_);
    int left = 0, top = 0;
    if (suggested) {
        left = suggested->left;
        top = suggested->top;
    } else {
        // Centred in the work area of its monitor.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        left = work.left + (work.right - work.left - size.cx) / 2;
        top = work.top + (work.bottom - work.top - size.cy) / 2;
    }
    SetWindowPos(hwnd_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    KeepClientSize(hwnd_, client.cy, dpi_);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Loading: the skin first (unless a high-contrast theme is on), then the reset sheet.
void DesignWindow::Load() {
    FollowHighContrast();
    sheet_->Reset();
}

// The skin steps aside while a high-contrast theme is on and comes back when it goes; the groups
// take the theme's colours meanwhile. Only the look changes: the sheet keeps everything on it.
void DesignWindow::FollowHighContrast() {
    const bool high_contrast = options_.high_contrast && options_.high_contrast();
    sheet_->FollowHighContrast(high_contrast);
    const bool skin = options_.install_skin && !high_contrast;
    if (skin == skinned_) return;
    if (skin)
        skin::InstallSkin(hwnd_);
    else
        skin::RemoveSkin(hwnd_);
    skinned_ = skin;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void DesignWindow::Show(int show_command) {
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
    if (HWND first = Control(sheet_->FocusOrder().front())) SetFocus(first);
}

LRESULT CALLBACK DesignWindow::Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) noexcept {
    return base::Guarded("设计窗口", LRESULT{0}, [&] {
        if (message == WM_NCCREATE) {
            auto* self =
                static_cast<DesignWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
            self->hwnd_ = window;
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
    case kTitleDueMessage: return OnTitleDue();
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT DesignWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
    const int id = LOWORD(wparam);
    if (lparam == 0) { // a menu command or a shortcut
        OnMenuCommand(id);
        return 0;
    }
    bool changed = false;
    sheet_->OnControl(id, HIWORD(wparam), changed);
    if (changed) ScheduleTitle();
    // A close asked for while the sheet was busy is carried out now that it is done.
    if (close_due_ && !sheet_->Busy() && hwnd_) {
        close_due_ = false;
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    }
    return 0;
}

void DesignWindow::OnCalculate() {
    bool changed = false;
    sheet_->OnControl(ids::Calculate, BN_CLICKED, changed);
}

void DesignWindow::OnHelp() {
    bool changed = false;
    sheet_->OnControl(ids::Help, BN_CLICKED, changed);
}

void DesignWindow::OnReset() {
    bool changed = false;
    sheet_->OnControl(ids::Reset, BN_CLICKED, changed);
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

DesignWindow* DesignWindow::OpenWindowOf(document::DesignKind kind) {
    ReleaseClosedWindows();
    DesignWindowOptions options = options_;
    options.make_sheet = SheetFactoryFor(kind);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    std::unique_ptr<DesignWindow> window = Create(instance, std::move(options));
    if (!window) {
        options_.message_boxes->Show(hwnd_, L"无法创建新的设计窗口。", kProgramTitle,
                                     MB_OK | MB_ICONWARNING);
        return nullptr;
    }
    // A little below and to the right of this one, so that both can be seen.
    RECT here{};
    GetWindowRect(hwnd_, &here);
    const int step = GetSystemMetricsForDpi(SM_CYCAPTION, static_cast<UINT>(dpi_)) +
                     GetSystemMetricsForDpi(SM_CYFRAME, static_cast<UINT>(dpi_));
    SetWindowPos(window->hwnd(), nullptr, here.left + step, here.top + step, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window->Show(SW_SHOWNORMAL);
    return KeptWindows().emplace_back(std::move(window)).get();
}

void DesignWindow::OnExit() {
    ExitProgram();
}

// "退出" ends the program at once, but first asks about every open design that differs from
// its file; 取消 for any of them stops it.
void DesignWindow::ExitProgram() {
    // A copy: a question runs a message loop, in which windows may come and go.
    const std::vector<DesignWindow*> windows = OpenWindows();
    for (DesignWindow* window : windows)
        if (!window->ConfirmDiscard()) return;
    options_.exit_program();
}

void DesignWindow::OnMenuCommand(int id) {
    using namespace menu_ids;
    if (IsRecent(id)) return OnOpenRecent(id - kRecentFirst);
    switch (id) {
    case kNew: NewDesign(); break;
    case kNewJgj55: OpenWindowOf(document::DesignKind::Jgj55); break;
    case kOpen: OnOpenCommand(); break;
    case kSave: SaveDesign(); break;
    case kSaveAs: SaveDesignAs(); break;
    case kExport: OnExport(); break;
    case kReportInfo: OnReportInfo(); break;
    case kPrintPreview: OnPrintPreview(); break;
    case kPrint: PrintFrom(hwnd_); break;
    case kBatchTicket: OnPrintPreview(ReportKind::BatchTicket); break;
    case kExportBatchTicket: OnExport(ReportKind::BatchTicket); break;
    case kExitProgram: PostMessageW(hwnd_, WM_CLOSE, 0, 0); break;
    case kUndo: OnEditCommand(WM_UNDO, 0, 0); break;
    case kCut: OnEditCommand(WM_CUT, 0, 0); break;
    case kCopy: OnEditCommand(WM_COPY, 0, 0); break;
    case kPaste: OnEditCommand(WM_PASTE, 0, 0); break;
    case kSelectAll: OnEditCommand(EM_SETSEL, 0, -1); break;
    case kCopyResult: OnCopyResult(); break;
    case kClearResults: sheet_->ClearResults(); break;
    case kHelp: OnHelp(); break;
    case kAbout: OnAbout(); break;
    case kGuide: OnGuide(); break;
    }
}

// The 编辑 menu acts on the field that has the focus, as its own shortcuts do.
void DesignWindow::OnEditCommand(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND focus = GetFocus();
    if (focus && ids::IsText(GetDlgCtrlID(focus)) && IsChild(hwnd_, focus))
        SendMessageW(focus, message, wparam, lparam);
}

void DesignWindow::OnAbout() {
    options_.message_boxes->Show(hwnd_,
                                 std::wstring(L"Mixora ") + kVersionText +
                                     L"\n普通混凝土配合比设计\n\n设计文件：*.mixora",
                                 L"关于 Mixora", MB_OK | MB_ICONINFORMATION);
}

// Unloading: the skin comes off the window and every control. The unload waits while the sheet
// is inside a command of its own, and is refused when the sheet differs from its design file
// and the user chooses 取消.
LRESULT DesignWindow::OnClose() {
    if (sheet_->Busy()) {
        close_due_ = true;
        return 0;
    }
    if (!ConfirmDiscard()) return 0;
    skin::RemoveSkin(hwnd_);
    DestroyWindow(hwnd_);
    return 0;
}

LRESULT DesignWindow::OnDestroy() {
    sheet_->Release();
    std::erase(OpenWindows(), this);
    if (options_.quit_on_destroy && OpenWindows().empty()) PostQuitMessage(0);
    return 0;
}

// Coming back to the window (after a message box, or from another program) puts the user where
// they were, not on the window itself.
LRESULT DesignWindow::OnActivate(WPARAM wparam, LPARAM lparam) {
    if (LOWORD(wparam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus && IsChild(hwnd_, focus)) last_focus_ = focus;
    } else if (!HIWORD(wparam) && last_focus_ && IsChild(hwnd_, last_focus_)) {
        SetFocus(last_focus_);
        return 0;
    }
    return DefWindowProcW(hwnd_, WM_ACTIVATE, wparam, lparam);
}

// The window is gone: the object forgets it (it may outlive it, as in the tests).
LRESULT DesignWindow::OnNcDestroy() {
    HWND window = std::exchange(hwnd_, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    std::erase(OpenWindows(), this);
    last_focus_ = nullptr;
    return DefWindowProcW(window, WM_NCDESTROY, 0, 0);
}

// A high-contrast theme switched on or off comes with both messages.
LRESULT DesignWindow::OnSystemLookChange(UINT message, WPARAM wparam, LPARAM lparam) {
    FollowHighContrast();
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT DesignWindow::OnDpiChanged(WPARAM wparam, LPARAM lparam) {
    dpi_ = HIWORD(wparam);
    ApplyFont(dpi_);
    ApplyLayout(reinterpret_cast<const RECT*>(lparam));
    return 0;
}

} // namespace mixora::ui
