#pragma once
// A window's device context, borrowed with GetDC or GetWindowDC and given back with ReleaseDC.
#include <windows.h>

#include <utility>

namespace mixora::base {

class unique_window_dc {
  public:
    unique_window_dc() = default;
    unique_window_dc(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {}
    unique_window_dc(const unique_window_dc&) = delete;
    unique_window_dc& operator=(const unique_window_dc&) = delete;
    unique_window_dc(unique_window_dc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    unique_window_dc& operator=(unique_window_dc&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = other.window_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ~unique_window_dc() { reset(); }

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }
    void reset() noexcept {
        if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
    }

  private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// The whole window's context (non-client area included).
inline unique_window_dc GetWindowDCScoped(HWND window) {
    return {window, GetWindowDC(window)};
}
// The client area's context.
inline unique_window_dc GetDCScoped(HWND window) {
    return {window, GetDC(window)};
}

} // namespace mixora::base
