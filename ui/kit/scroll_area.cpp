#include "scroll_area.h"

#include <algorithm>

namespace mixora::ui {

namespace {

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

} // namespace

void ScrollArea::Capture(HWND window, SIZE layout, int pinned_top) {
    window_ = window;
    children_.clear();
    content_ = layout;
    pinned_top_ = std::clamp(pinned_top, 0, static_cast<int>(content_.cy));
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        children_.push_back(
            {child, place, place.top >= pinned_top_, GetWindow(child, GW_CHILD) != nullptr});
    }
}

// Which bars the layout needs is judged on the client area without them: judged on the area
// left beside a bar shown, a bar once shown would never go.
void ScrollArea::ShowNeededBars() const {
    SIZE bare = ClientSize(window_);
    const auto style = GetWindowLongPtrW(window_, GWL_STYLE);
    const int across = GetSystemMetrics(SM_CXVSCROLL), down = GetSystemMetrics(SM_CYHSCROLL);
    if (style & WS_VSCROLL) bare.cx += across;
    if (style & WS_HSCROLL) bare.cy += down;
    bool vertical = bare.cy < content_.cy, horizontal = bare.cx < content_.cx;
    // Either bar takes room the other may then need.
    horizontal = horizontal || (vertical && bare.cx - across < content_.cx);
    vertical = vertical || (horizontal && bare.cy - down < content_.cy);
    ShowScrollBar(window_, SB_VERT, vertical);
    ShowScrollBar(window_, SB_HORZ, horizontal);
}

int ScrollArea::ViewHeight() const {
    return std::max(0, static_cast<int>(ClientSize(window_).cy - content_.cy) + pinned_top_);
}

void ScrollArea::Layout() {
    if (!window_ || placing_) return;
    placing_ = true;
    ShowNeededBars();
    const SIZE client = ClientSize(window_);
    const int view = ViewHeight();
    pos_.y = std::clamp(static_cast<int>(pos_.y), 0, std::max(0, pinned_top_ - view));
    // (LONG and int differ in width on some targets: every comparison is in int.)
    pos_.x = std::clamp(static_cast<int>(pos_.x), 0,
                        std::max(0, static_cast<int>(content_.cx - client.cx)));
    SCROLLINFO vertical{sizeof vertical,
                        SIF_RANGE | SIF_PAGE | SIF_POS,
                        0,
                        pinned_top_ - 1,
                        static_cast<UINT>(view),
                        pos_.y,
                        0};
    SetScrollInfo(window_, SB_VERT, &vertical, TRUE);
    SCROLLINFO horizontal{sizeof horizontal,
                          SIF_RANGE | SIF_PAGE | SIF_POS,
                          0,
                          static_cast<int>(content_.cx) - 1,
                          static_cast<UINT>(client.cx),
                          pos_.x,
                          0};
    SetScrollInfo(window_, SB_HORZ, &horizontal, TRUE);
    // The strip rises with the bottom edge while the client is shorter than the layout, and its
    // right half follows the right edge while it is narrower.
    const int rise = std::min(0, static_cast<int>(client.cy - content_.cy));
    const int shift = std::min(0, static_cast<int>(client.cx - content_.cx));
    HDWP places = BeginDeferWindowPos(static_cast<int>(children_.size()));
    for (const Child& child : children_) {
        int x = child.base.left, y = child.base.top;
        const int width = child.base.right - child.base.left;
        int height = child.base.bottom - child.base.top;
        bool shown = true;
        if (child.pinned) {
            y += rise;
            if (child.base.left > static_cast<int>(content_.cx) / 2) x += shift;
        } else {
            x -= pos_.x;
            y -= pos_.y;
            if (y + height > view) {
                if (child.group) height = view - y;
                shown = child.group ? height > 0 : false;
            }
        }
        const UINT flags =
            SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        if (places)
            places = DeferWindowPos(places, child.hwnd, nullptr, x, y, width, std::max(height, 0),
                                    flags);
    }
    if (places) EndDeferWindowPos(places);
    InvalidateRect(window_, nullptr, TRUE);
    placing_ = false;
}

void ScrollArea::FitWorkArea() {
    if (!window_) return;
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    if (!GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    RECT work = monitor.rcWork;
    // The primary monitor's as the system keeps it: the same on Windows, and what Wine changes
    // when a work area is set.
    if (monitor.dwFlags & MONITORINFOF_PRIMARY) SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    if (work.right <= work.left || work.bottom <= work.top) return; // none known: as made
    // The whole layout's frame: the window as it is, or more where the system has already cut
    // it to the screen when it made it.
    RECT frame{};
    GetWindowRect(window_, &frame);
    RECT whole{0, 0, content_.cx, content_.cy};
    AdjustWindowRectEx(&whole, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                       GetMenu(window_) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    const int full_width = std::max(frame.right - frame.left, whole.right - whole.left);
    const int full_height = std::max(frame.bottom - frame.top, whole.bottom - whole.top);
    const int work_width = work.right - work.left, work_height = work.bottom - work.top;
    const int width = std::min(
        full_width + (full_height > work_height ? GetSystemMetrics(SM_CXVSCROLL) : 0), work_width);
    const int height = std::min(
        full_height + (full_width > work_width ? GetSystemMetrics(SM_CYHSCROLL) : 0), work_height);
    const int x = std::clamp(static_cast<int>(frame.left), static_cast<int>(work.left),
                             static_cast<int>(work.right) - width);
    const int y = std::clamp(static_cast<int>(frame.top), static_cast<int>(work.top),
                             static_cast<int>(work.bottom) - height);
    SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

void ScrollArea::ScrollTo(int x, int y) {
    pos_ = {x, y};
    Layout();
}

bool ScrollArea::OnScroll(UINT message, WPARAM wparam) {
    if (!window_) return false;
    if (message == WM_MOUSEWHEEL) {
        const int notches = GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA;
        ScrollTo(static_cast<int>(pos_.x),
                 static_cast<int>(pos_.y) - notches * 3 * GetSystemMetrics(SM_CYVSCROLL));
        return true;
    }
    if (message != WM_VSCROLL && message != WM_HSCROLL) return false;
    const bool vertical = message == WM_VSCROLL;
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(window_, vertical ? SB_VERT : SB_HORZ, &info);
    const int line = GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    int to = info.nPos;
    switch (LOWORD(wparam)) {
    case SB_LINEUP: to -= line; break;
    case SB_LINEDOWN: to += line; break;
    case SB_PAGEUP: to -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: to += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: to = info.nTrackPos; break;
    case SB_TOP: to = 0; break;
    case SB_BOTTOM: to = info.nMax; break;
    default: return true;
    }
    if (vertical)
        ScrollTo(static_cast<int>(pos_.x), to);
    else
        ScrollTo(to, static_cast<int>(pos_.y));
    return true;
}

void ScrollArea::Reveal(HWND control) {
    if (!window_ || !control) return;
    HWND own = control;
    while (own && GetParent(own) != window_)
        own = GetParent(own);
    const auto found = std::find_if(children_.begin(), children_.end(),
                                    [own](const Child& c) { return c.hwnd == own; });
    if (found == children_.end() || found->pinned) return;
    // Where it lies in the layout: its place now, less how far the groups have scrolled.
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
    const int top = static_cast<int>(place.top + pos_.y);
    const int bottom = static_cast<int>(place.bottom + pos_.y);
    const int left = static_cast<int>(place.left + pos_.x);
    const int right = static_cast<int>(place.right + pos_.x);
    const SIZE client = ClientSize(window_);
    const int view = ViewHeight();
    POINT to = pos_;
    if (top < to.y) to.y = top;
    if (bottom > static_cast<int>(to.y) + view) to.y = bottom - view;
    if (left < to.x) to.x = left;
    if (right > static_cast<int>(to.x + client.cx)) to.x = right - static_cast<int>(client.cx);
    if (to.x != pos_.x || to.y != pos_.y) ScrollTo(static_cast<int>(to.x), static_cast<int>(to.y));
}

SIZE ScrollArea::MinimumTrack() const {
    RECT frame{0, 0, content_.cx / 3, content_.cy - pinned_top_ + content_.cy / 5};
    if (window_)
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace mixora::ui
