#pragma once
// A memory context together with the bitmap it was made with. The context owns the bitmap:
// releasing it deletes the context first (which deselects the bitmap) and then the bitmap, since
// a bitmap still selected into a context cannot be deleted.
#include "handles.h"

#include <utility>

namespace mixora::skin {

class MemoryDC {
  public:
    MemoryDC() = default;
    MemoryDC(base::unique_hdc dc, base::unique_hbitmap bitmap) noexcept
        : bitmap_(std::move(bitmap)), dc_(std::move(dc)) {}
    MemoryDC(MemoryDC&& other) noexcept = default;
    MemoryDC& operator=(MemoryDC&& other) noexcept {
        if (this != &other) {
            reset();
            bitmap_ = std::move(other.bitmap_);
            dc_ = std::move(other.dc_);
        }
        return *this;
    }
    ~MemoryDC() { reset(); }

    HDC get() const noexcept { return dc_.get(); }
    HBITMAP bitmap() const noexcept { return bitmap_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(dc_); }

    // For a context that now has this bitmap selected in place of its own: the old one, no
    // longer selected anywhere, is deleted.
    void ReplaceBitmap(base::unique_hbitmap bitmap) noexcept { bitmap_ = std::move(bitmap); }

    // Context first, then its bitmap.
    void reset() noexcept {
        dc_.reset();
        bitmap_.reset();
    }

  private:
    // Declared in this order so that destruction deletes the context before the bitmap.
    base::unique_hbitmap bitmap_;
    base::unique_hdc dc_;
};

} // namespace mixora::skin
