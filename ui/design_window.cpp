#include "design_window.h"

#include "control_ids.h"
#include "frame.h"
#include "layout.h"
#include "menu_bar.h"
#include "menu_ids.h"
#include "press.h"
#include "scoped_select.h"
#include "skin.h"
#include "version.h"
#include "window_classes.h"
#include "window_dc.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>

namespace mixora::ui {

namespace {

constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

struct ClassAndStyle {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

ClassAndStyle ClassFor(ControlType type) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (type) {
    case ControlType::Frame:
        return {kFrameClass, child | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case ControlType::Label: return {L"Static", child | SS_LEFT | SS_NOPREFIX, 0};
    case ControlType::Text:
        return {L"Edit", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlType::Option: return {kOptionClass, child | WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
    case ControlType::Check: return {kCheckClass, child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlType::Command: return {L"Button", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    }
    return {L"Static", child, 0};
}

// The size of a label that fits its caption in the given font.
SIZE CaptionSize(HWND window, HFONT font, const wchar_t* caption) {
    SIZE size{0, 0};
    base::unique_window_dc dc = base::GetDCScoped(window);
    if (!dc) return size;
    base::scoped_select select(dc.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    GetTextExtentPoint32W(dc.get(), caption, lstrlenW(caption), &size);
    size.cx += 2;
    size.cy = metrics.tmHeight;
    return size;
}

// The window rectangle for a client area of the design size at a DPI, the menu bar above it.
SIZE WindowSizeFor(HWND window, int dpi) {
    const SIZE client{TwipsToPixels(kClientWidthTwips, dpi),
                      TwipsToPixels(kClientHeightTwips, dpi)};
    RECT rect{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&rect, kFormStyle, GetMenu(window) != nullptr, 0,
                             static_cast<UINT>(dpi));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// A menu bar that wraps onto a second line takes more than one bar's height: grow the window
// by whatever the client area still lacks.
void KeepClientSize(HWND window, int dpi) {
    RECT client{};
    GetClientRect(window, &client);
    const int lacking = TwipsToPixels(kClientHeightTwips, dpi) - (client.bottom - client.top);
    if (lacking == 0) return;
    RECT outer{};
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left,
                 outer.bottom - outer.top + lacking, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

DesignWindow::DesignWindow(DesignWindowOptions options)
    : options_(std::move(options)), sheet_([this](int id) { return Control(id); }) {}

std::unique_ptr<DesignWindow> DesignWindow::Create(HINSTANCE instance,
                                                   DesignWindowOptions options) {
    if (!options.message_boxes) return nullptr;
    if (!RegisterWindowClasses(instance, &DesignWindow::Procedure)) return nullptr;
    std::unique_ptr<DesignWindow> window(new DesignWindow(std::move(options)));
    // The window owns its menu bar from here on and destroys it with itself.
    HMENU menu = CreateMenuBar();
    HWND hwnd =
        CreateWindowExW(0, kFormClass, kWindowTitle, kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance, window.get());
    if (!hwnd) {
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    window->accelerators_.reset(CreateMenuAccelerators());
    DragAcceptFiles(hwnd, TRUE);
    window->dpi_ = static_cast<int>(GetDpiForWindow(hwnd));
    if (window->dpi_ <= 0) window->dpi_ = USER_DEFAULT_SCREEN_DPI;
    if (!window->CreateControls()) return nullptr;
    window->NameCells();
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
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

bool DesignWindow::CreateControls() {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    for (const ControlEntry& entry : DesignLayout()) {
        const auto [class_name, style, ex_style] = ClassFor(entry.type);
        HWND parent = entry.parent ? Control(entry.parent) : hwnd_;
        HWND control =
            CreateWindowExW(ex_style, class_name, entry.caption, style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(INT_PTR{entry.id}), instance, nullptr);
        if (!control) return false;
        if (entry.type == ControlType::Text) SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        controls_[entry.id] = control;
    }
    return true;
}

void DesignWindow::ApplyFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    HFONT font = nullptr;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                   static_cast<UINT>(dpi)))
        font = CreateFontIndirectW(&metrics.lfMessageFont);
    if (!font) return; // keep the font we have
    for (const auto& [id, control] : controls_)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    font_.reset(font); // after the controls have let go of the old one
}

void DesignWindow::ApplyLayout(const RECT* suggested) {
    for (const ControlEntry& entry : DesignLayout()) {
        HWND control = Control(entry.id);
        int width = TwipsToPixels(entry.width, dpi_);
        int height = TwipsToPixels(entry.height, dpi_);
        if (entry.width == 0) {
            // A label keeps its place and ends before the control that follows it on its row.
            const SIZE size = CaptionSize(control, font_.get(), entry.caption);
            width = std::min(static_cast<int>(size.cx), LabelRoom(entry, size.cy, dpi_));
            height = size.cy;
        }
        SetWindowPos(control, nullptr, TwipsToPixels(entry.left, dpi_),
                     TwipsToPixels(entry.top, dpi_), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const SIZE size = WindowSizeFor(hwnd_, dpi_);
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
    KeepClientSize(hwnd_, dpi_);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Loading: the skin first (unless a high-contrast theme is on), then the reset sheet.
void DesignWindow::Load() {
    FollowHighContrast();
    calc::qk(sheet_);
}

// The skin steps aside while a high-contrast theme is on and comes back when it goes; the groups
// take the theme's colours meanwhile. Only the look changes: the sheet keeps everything on it.
void DesignWindow::FollowHighContrast() {
    const bool high_contrast = options_.high_contrast && options_.high_contrast();
    for (const ControlEntry& entry : DesignLayout())
        if (entry.type == ControlType::Frame)
            SetFrameSystemColours(Control(entry.id), high_contrast);
    const bool skin = options_.install_skin && !high_contrast;
    if (skin == skinned_) return;
    if (skin)
        skin::InstallSkin(hwnd_);
    else
        skin::RemoveSkin(hwnd_);
    skinned_ = skin;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The result cells have no label: a screen reader names them by column and row.
void DesignWindow::NameCells() {
    for (const calc::Field field : calc::kAllFields)
        if (const wchar_t* name = CellName(field))
            accessible_names_.Name(Control(ids::Text(field)), name);
}

void DesignWindow::Show(int show_command) {
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
    if (HWND first = Control(FocusOrder().front())) SetFocus(first);
}

LRESULT CALLBACK DesignWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<DesignWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<DesignWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wparam, lparam);
    switch (message) {
    case WM_COMMAND: return self->OnCommand(wparam, lparam);
    case WM_CLOSE: return self->OnClose();
    case WM_DESTROY: return self->OnDestroy();
    case WM_DPICHANGED: return self->OnDpiChanged(wparam, lparam);
    case WM_ACTIVATE: return self->OnActivate(wparam, lparam);
    case WM_NCDESTROY: return self->OnNcDestroy();
    case WM_DROPFILES: return self->OnDropFiles(wparam);
    case WM_INITMENUPOPUP: return self->OnInitMenuPopup(wparam, lparam);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: return self->OnSystemLookChange(message, wparam, lparam);
    case kTitleDueMessage: return self->OnTitleDue();
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT DesignWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
    const int id = LOWORD(wparam);
    if (lparam == 0) { // a menu command or a shortcut
        OnMenuCommand(id);
        return 0;
    }
    const UINT code = HIWORD(wparam);
    // A field or an option changed: the title may gain or lose its asterisk.
    if (code == EN_CHANGE || (code == BN_CLICKED && ToggleOfId(id))) ScheduleTitle();
    if (code != BN_CLICKED) return 0;
    switch (id) {
    case ids::Calculate: OnCalculate(); break;
    case ids::Help: OnHelp(); break;
    case ids::Reset: OnReset(); break;
    case ids::Exit: OnExit(); break;
    }
    return 0;
}

void DesignWindow::OnMenuCommand(int id) {
    using namespace menu_ids;
    if (IsRecent(id)) return OnOpenRecent(id - kRecentFirst);
    switch (id) {
    case kNew: NewDesign(); break;
    case kOpen: OnOpenCommand(); break;
    case kSave: SaveDesign(); break;
    case kSaveAs: SaveDesignAs(); break;
    case kExport: OnExport(); break;
    case kReportInfo: OnReportInfo(); break;
    case kPrintPreview: OnPrintPreview(); break;
    case kPrint: PrintFrom(hwnd_); break;
    case kExitProgram: PostMessageW(hwnd_, WM_CLOSE, 0, 0); break;
    case kUndo: OnEditCommand(WM_UNDO, 0, 0); break;
    case kCut: OnEditCommand(WM_CUT, 0, 0); break;
    case kCopy: OnEditCommand(WM_COPY, 0, 0); break;
    case kPaste: OnEditCommand(WM_PASTE, 0, 0); break;
    case kSelectAll: OnEditCommand(EM_SETSEL, 0, -1); break;
    case kCopyResult: OnCopyResult(); break;
    case kHelp: OnHelp(); break;
    case kAbout: OnAbout(); break;
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

// Unloading: the skin comes off the window and every control. The unload is refused only when
// the sheet differs from its design file and the user chooses 取消.
LRESULT DesignWindow::OnClose() {
    if (!ConfirmDiscard()) return 0;
    skin::RemoveSkin(hwnd_);
    DestroyWindow(hwnd_);
    return 0;
}

LRESULT DesignWindow::OnDestroy() {
    accessible_names_.Clear();
    if (options_.quit_on_destroy) PostQuitMessage(0);
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
    controls_.clear();
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
