#include "preview_dialog.h"

#include "control_text.h"
#include "dialog_template.h"
#include "modal_dialog.h"
#include "page_view.h"
#include "report_layout.h"

#include <algorithm>
#include <memory>

namespace mixora::ui {

namespace {

using namespace preview_ids;

constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE;

// The buttons sit in a row along the top; the page view takes the rest (placed on WM_SIZE).
// clang-format off
constexpr DialogItem kItems[] = {
    {L"Button", kPrint, L"打印(&P)...", kButton, 4, 4, 50, 14},
    {L"Button", kPrevious, L"上一页(&U)", kButton, 58, 4, 50, 14},
    {L"Button", kNext, L"下一页(&N)", kButton, 112, 4, 50, 14},
    {L"Static", kPageLabel, L"", kLabel, 166, 4, 80, 14},
    {L"Button", kZoomIn, L"放大(&I)", kButton, 250, 4, 44, 14},
    {L"Button", kZoomOut, L"缩小(&O)", kButton, 298, 4, 44, 14},
    {L"Static", kZoomLabel, L"", kLabel, 346, 4, 36, 14},
    {L"Button", IDCANCEL, L"关闭(&C)", kButton, 386, 4, 44, 14},
    {kPageViewClass, kPages, L"", WS_TABSTOP | WS_HSCROLL | WS_VSCROLL, 0, 22, 434, 300},
};
// clang-format on

constexpr DialogLayout kDialog{
    kPreviewTitle,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
    434,
    322,
    kItems,
};

// The row of buttons above the page, in pixels.
int ToolbarHeight(HWND dialog) {
    RECT row{0, 0, 0, 22};
    MapDialogRect(dialog, &row);
    return row.bottom;
}

void Update(HWND dialog, const PageView& view) {
    const std::wstring page = page::PageLabel(view.page() + 1, view.page_count());
    WriteText(GetDlgItem(dialog, kPageLabel), page);
    WriteText(GetDlgItem(dialog, kZoomLabel), view.ZoomText());
    const auto enable = [dialog](int id, bool on) {
        HWND item = GetDlgItem(dialog, id);
        // A button that goes while it has the focus would leave the focus nowhere.
        if (!on && GetFocus() == item) SetFocus(GetDlgItem(dialog, kPages));
        EnableWindow(item, on);
    };
    enable(kPrevious, view.page() > 0);
    enable(kNext, view.page() + 1 < view.page_count());
    enable(kZoomIn, view.CanZoomIn());
    enable(kZoomOut, view.CanZoomOut());
}

void OnSize(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const int top = ToolbarHeight(dialog);
    SetWindowPos(GetDlgItem(dialog, kPages), nullptr, 0, top, client.right,
                 std::max<int>(client.bottom - top, 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

// Most of the work area of the owner's monitor, about as wide as a page is for its height, and
// never narrower than the row of buttons.
void PlaceOnScreen(HWND dialog, HWND owner) {
    RECT buttons{0, 0, kDialog.cx, 0};
    MapDialogRect(dialog, &buttons);
    AdjustWindowRectEx(&buttons, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE, 0);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int height = (work.bottom - work.top) * 9 / 10;
    const int width = std::min<int>(work.right - work.left,
                                    std::max<int>(buttons.right - buttons.left, height * 4 / 5));
    SetWindowPos(dialog, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

class PreviewDialog final : public ModalDialog {
  public:
    PreviewDialog(std::unique_ptr<PageView> view, bool skinned,
                  const std::function<bool(HWND)>& print)
        : ModalDialog("打印预览", skinned), view_(std::move(view)), print_(print) {}

    void Show(HWND owner) { Run(owner, kDialog); }

  private:
    HWND OnInit() override;
    bool OnCommand(int id, UINT code, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void AfterButton();

    std::unique_ptr<PageView> view_;
    const std::function<bool(HWND)>& print_;
};

HWND PreviewDialog::OnInit() {
    PlaceOnScreen(dialog(), GetWindow(dialog(), GW_OWNER));
    OnSize(dialog());
    HWND pages = GetDlgItem(dialog(), kPages);
    view_->Attach(pages);
    Update(dialog(), *view_);
    return pages;
}

bool PreviewDialog::OnCommand(int id, UINT code, HWND) {
    if (id == kPages) {
        if (code == kPageViewChanged) Update(dialog(), *view_);
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
    case kPrint:
        if (print_(dialog())) {
            Close(IDCANCEL);
            return true;
        }
        break;
    case kPrevious: view_->ShowPage(view_->page() - 1); break;
    case kNext: view_->ShowPage(view_->page() + 1); break;
    case kZoomIn: view_->ZoomIn(); break;
    case kZoomOut: view_->ZoomOut(); break;
    case IDCANCEL: Close(IDCANCEL); return true;
    default: return false;
    }
    AfterButton();
    return true;
}

// After a button: the labels and buttons follow the page, and the keys of the page (PgUp, PgDn,
// +, -) work again.
void PreviewDialog::AfterButton() {
    Update(dialog(), *view_);
    SetFocus(GetDlgItem(dialog(), kPages));
}

INT_PTR PreviewDialog::OnMessage(UINT message, WPARAM, LPARAM lparam) {
    switch (message) {
    case WM_SIZE: OnSize(dialog()); return TRUE;
    case WM_GETMINMAXINFO: {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
        limits->ptMinTrackSize = {480, 360};
        return TRUE;
    }
    }
    return FALSE;
}

} // namespace

void ShowPrintPreview(HWND owner, const page::ReportPage& report, bool skinned,
                      const std::function<bool(HWND owner)>& print) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    if (!PageView::Register(instance)) return;
    const PageFonts fonts;
    const PaperSetup paper;
    PreviewDialog(std::make_unique<PageView>(LayOutReport(report, paper, fonts), fonts, paper),
                  skinned, print)
        .Show(owner);
}

} // namespace mixora::ui
