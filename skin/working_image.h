#pragma once
// Working images: the off-screen contexts a paint composes in and throws away. Under Wine,
// selecting a new display-compatible bitmap into a context takes three round trips to the
// server, so while the skin is installed a few such contexts are kept, each with a bitmap that
// only grows, and lent out one drawing at a time.
#include "memory_dc.h"

#include <windows.h>

#include <array>

namespace mixora::skin {

class ImagePool;

// A display-compatible memory context at least width × height, for one drawing. Its
// (0, 0, width, height) starts black and its attributes are a new context's, as with a fresh
// CreateMemoryDC; whatever the drawing changes in the context is undone when it is given back.
// Empty when no image could be had.
class WorkingImage {
  public:
    WorkingImage() = default;
    explicit WorkingImage(MemoryDC own) noexcept : own_(std::move(own)) {}
    WorkingImage(ImagePool& pool, int slot, HDC dc, int saved) noexcept
        : pool_(&pool), slot_(slot), dc_(dc), saved_(saved) {}
    WorkingImage(WorkingImage&& other) noexcept;
    WorkingImage& operator=(WorkingImage&&) = delete;
    WorkingImage(const WorkingImage&) = delete;
    ~WorkingImage();

    HDC get() const noexcept { return pool_ ? dc_ : own_.get(); }
    explicit operator bool() const noexcept { return get() != nullptr; }

  private:
    ImagePool* pool_ = nullptr;
    int slot_ = -1;
    HDC dc_ = nullptr;
    int saved_ = 0;
    MemoryDC own_;
};

// The kept contexts. Made whole at construction (so the skin's objects are all there from its
// installation on); a bitmap is replaced by a larger one when a drawing needs more room.
class ImagePool {
  public:
    // like: a memory context with a display-compatible bitmap, new bitmaps are made like it.
    ImagePool(HDC display, HDC like);
    ImagePool(const ImagePool&) = delete;
    ImagePool& operator=(const ImagePool&) = delete;

    // A kept image of at least width × height, or an empty one when every kept image is lent
    // (a paint that paints again inside), the size is not one kept, or growing failed.
    WorkingImage Lend(int width, int height);
    void GiveBack(int slot, int saved) noexcept;

  private:
    // Enough for the deepest drawing: a composed image, a nine-slice copy into it and the
    // two images of its key-colour copy.
    static constexpr int kSlots = 4;
    struct Slot {
        MemoryDC image;
        int width = 0;
        int height = 0;
        bool lent = false;
    };
    bool Grow(Slot& slot, int width, int height);

    HDC like_;
    std::array<Slot, kSlots> slots_;
};

} // namespace mixora::skin
