#pragma once
// The pixels of the five skin bitmaps, as data: what BuildSkinBitmaps paints, pixel by pixel.
#include <windows.h>

namespace mixora::skin {

enum class SkinBitmap { Button, ComboButton, CheckGlyphs, Option, Header };

struct SkinSize {
    int width;
    int height;
};

SkinSize SkinBitmapSize(SkinBitmap bitmap) noexcept;
// The colour of pixel (x, y); kKeyColour where the bitmap is transparent.
COLORREF SkinPixel(SkinBitmap bitmap, int x, int y) noexcept;

} // namespace mixora::skin
