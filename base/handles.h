#pragma once
// Move-only owners for the GDI, USER and COM handles the program creates, one type per kind of
// handle, in the manner of unique_ptr: no early return can leak one.
#include <windows.h>

#include <utility>

namespace mixora::base {

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
inline void destroy_window(HWND window) noexcept {
    DestroyWindow(window);
}
inline void destroy_accelerators(HACCEL table) noexcept {
    DestroyAcceleratorTable(table);
}
inline void free_global(HGLOBAL memory) noexcept {
    GlobalFree(memory);
}
inline void close_handle(HANDLE handle) noexcept {
    CloseHandle(handle);
}
inline void close_key(HKEY key) noexcept {
    RegCloseKey(key);
}
inline void free_library(HMODULE module) noexcept {
    FreeLibrary(module);
}
template <typename H> inline void delete_gdi(H object) noexcept {
    DeleteObject(object);
}
template <typename I> inline void release_com(I* object) noexcept {
    object->Release();
}
} // namespace detail

using unique_hdc = unique_any<HDC, detail::delete_dc>; // a memory or display context of ours
using unique_hbitmap = unique_any<HBITMAP, detail::delete_gdi<HBITMAP>>;
using unique_hbrush = unique_any<HBRUSH, detail::delete_gdi<HBRUSH>>;
using unique_hpen = unique_any<HPEN, detail::delete_gdi<HPEN>>;
using unique_hfont = unique_any<HFONT, detail::delete_gdi<HFONT>>;
using unique_hrgn = unique_any<HRGN, detail::delete_gdi<HRGN>>;
using unique_hpalette = unique_any<HPALETTE, detail::delete_gdi<HPALETTE>>;
using unique_hwnd = unique_any<HWND, detail::destroy_window>;
using unique_hmodule = unique_any<HMODULE, detail::free_library>;
using unique_hkey = unique_any<HKEY, detail::close_key>;
// A kernel handle; a file's "none" (INVALID_HANDLE_VALUE) is kept as empty, see OwnFile.
using unique_hfile = unique_any<HANDLE, detail::close_handle>;

// The owner of what CreateFileW returned: empty when it failed.
inline unique_hfile OwnFile(HANDLE created) noexcept {
    return unique_hfile(created == INVALID_HANDLE_VALUE ? nullptr : created);
}
using unique_haccel = unique_any<HACCEL, detail::destroy_accelerators>;
// Global memory: clipboard data until the clipboard takes it, the print dialog's settings.
using unique_hglobal = unique_any<HGLOBAL, detail::free_global>;
// A reference we hold on a COM interface.
template <typename I> using unique_com = unique_any<I*, detail::release_com<I>>;

} // namespace mixora::base
