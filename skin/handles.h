#pragma once
// Move-only owners for the GDI and USER handles the program creates, one type per kind of
// handle, in the manner of unique_hdc / unique_hbitmap: no early return can leak one.
#include <windows.h>

#include <utility>

namespace mixora::skin {

template <typename T, auto Close> class unique_any {
  public:
    unique_any() = default;
    explicit unique_any(T handle) noexcept : handle_(handle) {}
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;
    unique_any(unique_any&& other) noexcept : handle_(other.release()) {}
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~unique_any() { reset(); }

    T get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    T release() noexcept { return std::exchange(handle_, nullptr); }
    void reset(T handle = nullptr) noexcept {
        if (handle_) Close(handle_);
        handle_ = handle;
    }

  private:
    T handle_ = nullptr;
};

namespace detail {
inline void delete_dc(HDC dc) noexcept {
    DeleteDC(dc);
}
inline void delete_object(HGDIOBJ object) noexcept {
    DeleteObject(object);
}
inline void destroy_window(HWND window) noexcept {
    DestroyWindow(window);
}
inline void destroy_icon(HICON icon) noexcept {
    DestroyIcon(icon);
}
inline void free_library(HMODULE module) noexcept {
    FreeLibrary(module);
}
template <typename H> inline void delete_gdi(H object) noexcept {
    DeleteObject(object);
}
} // namespace detail

using unique_hdc = unique_any<HDC, detail::delete_dc>; // a memory context of ours
using unique_hbitmap = unique_any<HBITMAP, detail::delete_gdi<HBITMAP>>;
using unique_hbrush = unique_any<HBRUSH, detail::delete_gdi<HBRUSH>>;
using unique_hpen = unique_any<HPEN, detail::delete_gdi<HPEN>>;
using unique_hfont = unique_any<HFONT, detail::delete_gdi<HFONT>>;
using unique_hrgn = unique_any<HRGN, detail::delete_gdi<HRGN>>;
using unique_hpalette = unique_any<HPALETTE, detail::delete_gdi<HPALETTE>>;
using unique_hwnd = unique_any<HWND, detail::destroy_window>;
using unique_hicon = unique_any<HICON, detail::destroy_icon>;
using unique_hmodule = unique_any<HMODULE, detail::free_library>;

// A window's device context, given back with ReleaseDC.
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

inline unique_window_dc GetWindowDCScoped(HWND window) {
    return {window, GetWindowDC(window)};
}
inline unique_window_dc GetDCScoped(HWND window) {
    return {window, GetDC(window)};
}

// An object selected into a context for the life of this scope. Declare it after the owner of
// the object, so the selection is undone before the object is deleted.
class scoped_select {
  public:
    scoped_select(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    scoped_select(const scoped_select&) = delete;
    scoped_select& operator=(const scoped_select&) = delete;
    ~scoped_select() {
        if (dc_ && previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A palette selected (and realised) into a context for the life of this scope.
class scoped_palette {
  public:
    scoped_palette(HDC dc, HPALETTE palette) noexcept
        : dc_(dc), previous_(dc && palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
        if (previous_) RealizePalette(dc_);
    }
    scoped_palette(const scoped_palette&) = delete;
    scoped_palette& operator=(const scoped_palette&) = delete;
    ~scoped_palette() {
        if (dc_ && previous_) SelectPalette(dc_, previous_, FALSE);
    }

  private:
    HDC dc_;
    HPALETTE previous_;
};

} // namespace mixora::skin
