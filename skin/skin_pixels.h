#pragma once
// The pixels of the five skin bitmaps, as data: what BuildSkinBitmaps paints, pixel by pixel.
#include <windows.h>

#include <array>

namespace mixora::skin {

enum class SkinBitmap { Button, ComboButton, CheckGlyphs, Option, Header };

struct SkinSize {
    int width;
    int height;
};

// In the order they are built.
inline constexpr std::array<SkinBitmap, 5> kSkinBitmaps = {
    SkinBitmap::Button, SkinBitmap::ComboButton, SkinBitmap::CheckGlyphs, SkinBitmap::Option,
    SkinBitmap::Header};

SkinSize SkinBitmapSize(SkinBitmap bitmap) noexcept;
// The colour of pixel (x, y); KeyColour where the bitmap is transparent.
COLORREF SkinPixel(SkinBitmap bitmap, int x, int y) noexcept;

} // namespace mixora::skin
