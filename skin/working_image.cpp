#include "working_image.h"

#include "scoped_select.h"

#include <algorithm>
#include <utility>

namespace mixora::skin {

namespace {

// Kept images stay small: a larger drawing gets an image of its own.
constexpr int kMaxSide = 4096;
constexpr long long kMaxArea = 1 << 20;

bool Keepable(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           static_cast<long long>(width) * height <= kMaxArea;
}

} // namespace

WorkingImage::WorkingImage(WorkingImage&& other) noexcept
    : pool_(std::exchange(other.pool_, nullptr)), slot_(other.slot_), dc_(other.dc_),
      saved_(other.saved_), own_(std::move(other.own_)) {}

WorkingImage::~WorkingImage() {
    if (pool_) pool_->GiveBack(slot_, saved_);
}

ImagePool::ImagePool(HDC display, HDC like) : like_(like) {
    // Each context gets a placeholder bitmap, not selected (a selection costs round trips):
    // the first drawing lent the context grows it, which selects a bitmap of its size and frees
    // the placeholder. The skin's objects stay as many from installation to removal.
    for (Slot& slot : slots_) {
        base::unique_hdc dc{display ? CreateCompatibleDC(display) : nullptr};
        base::unique_hbitmap bitmap{like ? CreateCompatibleBitmap(like, 1, 1) : nullptr};
        if (dc && bitmap) slot.image = MemoryDC{std::move(dc), std::move(bitmap)};
    }
}

bool ImagePool::Grow(Slot& slot, int width, int height) {
    if (slot.width >= width && slot.height >= height) return true;
    width = std::max(width, slot.width);
    height = std::max(height, slot.height);
    if (!Keepable(width, height)) return false;
    base::unique_hbitmap bitmap{CreateCompatibleBitmap(like_, width, height)};
    if (!bitmap || base::SelectFailed(SelectObject(slot.image.get(), bitmap.get()))) return false;
    // The context now holds the new bitmap; the old one, handed back by the selection, goes.
    slot.image.ReplaceBitmap(std::move(bitmap));
    slot.width = width;
    slot.height = height;
    return true;
}

WorkingImage ImagePool::Lend(int width, int height) {
    if (!Keepable(width, height)) return {};
    // A free image that is large enough, else the largest free one, grown.
    Slot* chosen = nullptr;
    for (Slot& slot : slots_) {
        if (slot.lent || !slot.image) continue;
        if (slot.width >= width && slot.height >= height) {
            chosen = &slot;
            break;
        }
        if (!chosen || slot.width * slot.height > chosen->width * chosen->height) chosen = &slot;
    }
    if (!chosen || !Grow(*chosen, width, height)) return {};
    const HDC dc = chosen->image.get();
    const int saved = SaveDC(dc);
    if (saved == 0) return {};
    // A new bitmap starts black: so does the part lent.
    PatBlt(dc, 0, 0, width, height, BLACKNESS);
    chosen->lent = true;
    return WorkingImage(*this, static_cast<int>(chosen - slots_.data()), dc, saved);
}

void ImagePool::GiveBack(int slot, int saved) noexcept {
    Slot& given = slots_[static_cast<size_t>(slot)];
    RestoreDC(given.image.get(), saved);
    given.lent = false;
}

} // namespace mixora::skin
