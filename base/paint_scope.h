#pragma once
// One WM_PAINT's BeginPaint … EndPaint. Neither copied nor moved: the PAINTSTRUCT belongs to
// this one scope, and EndPaint must run exactly once, on the window that began.
#include <windows.h>

namespace mixora::base {

class paint_scope {
  public:
    explicit paint_scope(HWND window) noexcept
        : window_(window), dc_(BeginPaint(window, &paint_)) {}
    paint_scope(const paint_scope&) = delete;
    paint_scope& operator=(const paint_scope&) = delete;
    ~paint_scope() {
        // Every BeginPaint has its EndPaint, even one that gave no context (it shows the caret
        // again that BeginPaint hid).
        EndPaint(window_, &paint_);
    }

    // The paint context; null when BeginPaint failed.
    HDC hdc() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }
    // The part of the client area to be painted.
    const RECT& rect() const noexcept { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace mixora::base
