#pragma once
// Selections into a device context that last for a scope. Declare one after the owner of what
// it selects (and after the paint_scope or window context it selects into): locals are
// destroyed in reverse order, so the selection is undone before the object is deleted and
// before the context is given back.
#include <windows.h>

namespace mixora::base {

// Whether SelectObject failed: it returns null, or HGDI_ERROR for a region. HGDI_ERROR is
// spelled out as its value, all bits set: the macro makes a long of an unsigned constant, which
// -Wsign-conversion reports wherever it is used.
inline bool SelectFailed(HGDIOBJ previous) noexcept {
    return previous == nullptr || previous == reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(-1));
}

// An object (bitmap, brush, pen, font, region) selected into a context for the life of this
// scope. A null context or object selects nothing.
class scoped_select {
  public:
    scoped_select(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    scoped_select(const scoped_select&) = delete;
    scoped_select& operator=(const scoped_select&) = delete;
    ~scoped_select() {
        if (dc_ && !SelectFailed(previous_)) SelectObject(dc_, previous_);
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

} // namespace mixora::base
