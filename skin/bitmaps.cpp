#include "bitmaps.h"

#include "primitives.h"
#include "skin_pixels.h"

namespace mixora::skin {

namespace {

// The process-wide set, touched only on the user-interface thread.
SkinBitmaps& Store() {
    static SkinBitmaps bitmaps;
    return bitmaps;
}

// Every pixel set once, row by row from the top, left to right.
MemoryDC PaintBitmap(SkinBitmap which) {
    const SkinSize size = SkinBitmapSize(which);
    MemoryDC dc = CreateMemoryDC(size.width, size.height);
    if (!dc) return dc;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            SetPixel(dc.get(), x, y, SkinPixel(which, x, y));
    return dc;
}

} // namespace

SkinBitmaps PaintSkinBitmaps() {
    SkinBitmaps bitmaps;
    bitmaps.button = PaintBitmap(SkinBitmap::Button);
    bitmaps.combo_button = PaintBitmap(SkinBitmap::ComboButton);
    bitmaps.check_glyphs = PaintBitmap(SkinBitmap::CheckGlyphs);
    bitmaps.option = PaintBitmap(SkinBitmap::Option);
    bitmaps.header = PaintBitmap(SkinBitmap::Header);
    return bitmaps;
}

void BuildSkinBitmaps() {
    FreeSkinBitmaps();
    Store() = PaintSkinBitmaps();
}

void FreeSkinBitmaps() {
    SkinBitmaps& bitmaps = Store();
    // The teardown order of the engine; each reset deletes the context, then its bitmap.
    bitmaps.button.reset();
    bitmaps.combo_button.reset();
    bitmaps.check_glyphs.reset();
    bitmaps.option.reset();
    bitmaps.header.reset();
}

HDC ButtonSkin() {
    return Store().button.get();
}
HDC ComboButtonSkin() {
    return Store().combo_button.get();
}
HDC CheckGlyphs() {
    return Store().check_glyphs.get();
}
HDC OptionSkin() {
    return Store().option.get();
}
HDC HeaderSkin() {
    return Store().header.get();
}

} // namespace mixora::skin
