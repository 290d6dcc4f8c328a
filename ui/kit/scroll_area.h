#pragma once
// A resizable window or dialog smaller than its layout: its own children above a pinned strip
// scroll (with the scroll bars and the wheel), and the strip below (a dialog's last rows, 确定 and
// 取消 among them; a window's status line) stays at the bottom of the client area, always in
// view. Children keep their laid-out places relative to each other; a group cut by the strip is
// cut short, a control that would lie under it is hidden until it scrolls back.
#include <windows.h>

#include <vector>

namespace mixora::ui {

class ScrollArea {
  public:
    // Takes the places of `window`'s own children as laid out in a client area of `layout`
    // pixels; those from `pinned_top` (client pixels) down are the strip. The layout's size is
    // given, not read from the window: one made taller than the screen is cut to it when made.
    void Capture(HWND window, SIZE layout, int pinned_top);
    // Places the children for the client size and sets the scroll bars.
    void Layout();
    // Fits the window, made for its whole layout, to the work area of its monitor (a screen
    // smaller than the layout, a taskbar), keeping it where it is as far as the work area lets.
    // Cut short one way, it is larger the other way by that way's scroll bar where there is room,
    // so that nothing scrolls for the bar alone.
    void FitWorkArea();
    // WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL: true when handled.
    bool OnScroll(UINT message, WPARAM wparam);
    // Scrolls `control` (the window's or a group's) into view.
    void Reveal(HWND control);
    // The smallest size (window pixels) worth tracking to: the strip and a little above.
    SIZE MinimumTrack() const;

  private:
    struct Child {
        HWND hwnd;
        RECT base; // client pixels, as laid out
        bool pinned;
        bool group; // holds controls of its own: cut short rather than hidden
    };
    void ShowNeededBars() const;
    int ViewHeight() const;
    void ScrollTo(int x, int y);

    HWND window_ = nullptr;
    std::vector<Child> children_;
    SIZE content_{};
    int pinned_top_ = 0;
    POINT pos_{};
    bool placing_ = false;
};

} // namespace mixora::ui
