#include "page_view.h"

#include "callback_guard.h"

#include "page_draw.h"
#include "paint_scope.h"
#include "scoped_select.h"

#include <windowsx.h>

#include <algorithm>
#include <array>

namespace mixora::ui {

namespace {

constexpr std::array<int, 7> kZoomSteps = {50, 75, 100, 125, 150, 200, 300};
constexpr int kDeskGap = 12;    // pixels of desk around the page
constexpr int kShadow = 4;      // pixels of the page's shadow
constexpr int kScrollStep = 40; // pixels for an arrow key or a wheel notch
constexpr COLORREF kDesk = RGB(128, 128, 128);
constexpr COLORREF kShadowColour = RGB(64, 64, 64);
constexpr COLORREF kPaper = RGB(255, 255, 255);

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    base::unique_hbrush brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &rect, brush.get());
}

} // namespace

PageView::PageView(std::vector<LaidOutPage> pages, const PageFonts& fonts, PaperSetup paper)
    : pages_(std::move(pages)), fonts_(fonts), paper_(paper) {
    if (pages_.empty()) pages_.emplace_back();
}

bool PageView::Register(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, kPageViewClass, &existing)) return true;
    WNDCLASSEXW view{};
    view.cbSize = sizeof(view);
    view.style = CS_HREDRAW | CS_VREDRAW;
    view.lpfnWndProc = &PageView::Procedure;
    view.hInstance = instance;
    view.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    view.lpszClassName = kPageViewClass;
    return RegisterClassExW(&view) != 0;
}

void PageView::Attach(HWND view) {
    view_ = view;
    SetWindowLongPtrW(view, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    UpdateScrollBars();
    InvalidateRect(view_, nullptr, FALSE);
}

LRESULT CALLBACK PageView::Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) noexcept {
    return base::Guarded("页面视图", LRESULT{0},
                         [&] { return HandleMessage(window, message, wp, lp); });
}

LRESULT PageView::HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<PageView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wparam, lparam);
    switch (message) {
    case WM_PAINT: return self->OnPaint();
    case WM_ERASEBKGND: return 1; // the paint covers everything
    case WM_SIZE: self->UpdateScrollBars(); return 0;
    case WM_KEYDOWN: return self->OnKeyDown(wparam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_VSCROLL: return self->OnScroll(SB_VERT, LOWORD(wparam));
    case WM_HSCROLL: return self->OnScroll(SB_HORZ, LOWORD(wparam));
    case WM_MOUSEWHEEL: return self->OnMouseWheel(wparam);
    case WM_LBUTTONDOWN: SetFocus(window); return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->view_ = nullptr;
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

int PageView::Dpi() const {
    const UINT dpi = view_ ? GetDpiForWindow(view_) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

int PageView::EffectivePercent() const {
    if (zoom_ != 0) return zoom_;
    RECT client{};
    if (view_) GetClientRect(view_, &client);
    // At 整页 there are no scroll bars: the client area is all the room.
    const int width = client.right - 2 * kDeskGap - kShadow;
    const int height = client.bottom - 2 * kDeskGap - kShadow;
    const int dpi = Dpi();
    const int by_width = MulDiv(width, kUnitsPerInch * 100, paper_.paper.cx * dpi);
    const int by_height = MulDiv(height, kUnitsPerInch * 100, paper_.paper.cy * dpi);
    return std::clamp(std::min(by_width, by_height), 5, 400);
}

SIZE PageView::PagePixels() const {
    const int scale = Dpi() * EffectivePercent();
    return {MulDiv(paper_.paper.cx, scale, kUnitsPerInch * 100),
            MulDiv(paper_.paper.cy, scale, kUnitsPerInch * 100)};
}

void PageView::UpdateScrollBars() {
    if (!view_) return;
    const SIZE page = PagePixels();
    RECT client{};
    GetClientRect(view_, &client);
    const int content[2] = {page.cx + 2 * kDeskGap + kShadow, page.cy + 2 * kDeskGap + kShadow};
    const int shown[2] = {client.right, client.bottom};
    LONG* positions[2] = {&scroll_.x, &scroll_.y};
    const int bars[2] = {SB_HORZ, SB_VERT};
    for (int i = 0; i < 2; ++i) {
        // At 整页 the page fits: no scroll bars at all.
        const bool needed = zoom_ != 0 && content[i] > shown[i];
        *positions[i] = needed ? std::clamp<LONG>(*positions[i], 0, content[i] - shown[i]) : 0;
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = needed ? content[i] - 1 : 0;
        info.nPage = needed ? static_cast<UINT>(shown[i]) : 0;
        info.nPos = *positions[i];
        SetScrollInfo(view_, bars[i], &info, TRUE);
    }
}

LRESULT PageView::OnPaint() {
    base::paint_scope paint(view_);
    if (!paint) return 0;
    RECT client{};
    GetClientRect(view_, &client);
    if (client.right <= 0 || client.bottom <= 0) return 0;
    // Drawn off screen, then shown at once: no flicker while scrolling.
    base::unique_hdc memory(CreateCompatibleDC(paint.hdc()));
    base::unique_hbitmap bitmap(CreateCompatibleBitmap(paint.hdc(), client.right, client.bottom));
    if (!memory || !bitmap) return 0;
    base::scoped_select select_bitmap(memory.get(), bitmap.get());
    Fill(memory.get(), client, kDesk);

    const SIZE page = PagePixels();
    const int left = std::max<int>(kDeskGap, (client.right - page.cx - kShadow) / 2) -
                     static_cast<int>(scroll_.x);
    const int top = std::max<int>(kDeskGap, (client.bottom - page.cy - kShadow) / 2) -
                    static_cast<int>(scroll_.y);
    Fill(memory.get(),
         {left + kShadow, top + kShadow, left + page.cx + kShadow, top + page.cy + kShadow},
         kShadowColour);
    const RECT sheet{left, top, left + page.cx, top + page.cy};
    Fill(memory.get(), sheet, kPaper);
    const int saved = SaveDC(memory.get());
    IntersectClipRect(memory.get(), sheet.left, sheet.top, sheet.right, sheet.bottom);
    MapPaper(memory.get(), Dpi(), Dpi(), EffectivePercent(), {left, top});
    DrawPage(memory.get(), pages_[static_cast<size_t>(page_)], fonts_);
    RestoreDC(memory.get(), saved);
    BitBlt(paint.hdc(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    return 0;
}

void PageView::Notify() {
    if (!view_) return;
    SendMessageW(GetParent(view_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(view_), kPageViewChanged),
                 reinterpret_cast<LPARAM>(view_));
}

void PageView::ShowPage(int index) {
    const int page = std::clamp(index, 0, page_count() - 1);
    if (page == page_) return;
    page_ = page;
    scroll_.y = 0;
    UpdateScrollBars();
    if (view_) InvalidateRect(view_, nullptr, FALSE);
}

bool PageView::CanZoomIn() const {
    return zoom_ != kZoomSteps.back();
}

void PageView::SetZoom(int zoom) {
    zoom_ = zoom;
    UpdateScrollBars();
    if (view_) InvalidateRect(view_, nullptr, FALSE);
}

// From 整页 to the next step larger than the whole page; back to 整页 below the first step
// larger than it.
void PageView::ZoomIn() {
    const int now = EffectivePercent();
    for (const int step : kZoomSteps)
        if (step > now) return SetZoom(step);
}

void PageView::ZoomOut() {
    if (zoom_ == 0) return;
    const int fit = [this] {
        const int zoom = zoom_;
        zoom_ = 0;
        const int percent = EffectivePercent();
        zoom_ = zoom;
        return percent;
    }();
    int smaller = 0;
    for (const int step : kZoomSteps)
        if (step < zoom_ && step > fit) smaller = step;
    SetZoom(smaller);
}

std::wstring PageView::ZoomText() const {
    return zoom_ == 0 ? std::wstring(L"整页") : std::to_wstring(zoom_) + L"%";
}

void PageView::ScrollBy(int dx, int dy) {
    scroll_.x += dx;
    scroll_.y += dy;
    UpdateScrollBars();
    InvalidateRect(view_, nullptr, FALSE);
}

LRESULT PageView::OnKeyDown(WPARAM key) {
    switch (key) {
    case VK_PRIOR: ShowPage(page_ - 1); break;
    case VK_NEXT: ShowPage(page_ + 1); break;
    case VK_HOME: ShowPage(0); break;
    case VK_END: ShowPage(page_count() - 1); break;
    case VK_ADD:
    case VK_OEM_PLUS: ZoomIn(); break;
    case VK_SUBTRACT:
    case VK_OEM_MINUS: ZoomOut(); break;
    case VK_UP: ScrollBy(0, -kScrollStep); return 0;
    case VK_DOWN: ScrollBy(0, kScrollStep); return 0;
    case VK_LEFT: ScrollBy(-kScrollStep, 0); return 0;
    case VK_RIGHT: ScrollBy(kScrollStep, 0); return 0;
    default: return 0;
    }
    Notify();
    return 0;
}

LRESULT PageView::OnScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(view_, bar, &info);
    int position = info.nPos;
    const int page = static_cast<int>(info.nPage);
    switch (request) {
    case SB_LINEUP: position -= kScrollStep; break;
    case SB_LINEDOWN: position += kScrollStep; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return 0;
    }
    if (bar == SB_VERT)
        ScrollBy(0, position - scroll_.y);
    else
        ScrollBy(position - scroll_.x, 0);
    return 0;
}

// The wheel scrolls the page, and turns it when it cannot scroll; with Ctrl it zooms.
LRESULT PageView::OnMouseWheel(WPARAM wparam) {
    const int delta = GET_WHEEL_DELTA_WPARAM(wparam);
    if (delta == 0) return 0;
    if (GET_KEYSTATE_WPARAM(wparam) & MK_CONTROL) {
        if (delta > 0)
            ZoomIn();
        else
            ZoomOut();
        Notify();
        return 0;
    }
    const LONG before = scroll_.y;
    ScrollBy(0, delta > 0 ? -kScrollStep * 3 : kScrollStep * 3);
    if (scroll_.y == before) {
        ShowPage(page_ + (delta > 0 ? -1 : 1));
        Notify();
    }
    return 0;
}

} // namespace mixora::ui
