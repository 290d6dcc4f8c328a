#pragma once
// The five process-wide skin bitmaps, painted in code, each a memory context used as a blit
// source. Cells:
//   ButtonSkin       7 × 84  four 7 × 21 push-button cells, state k at (0, 21k)
//   ComboButtonSkin 15 × 18  hover cell (0,0) and dropped cell (4,0), 4 × 18; arrows 7 × 4 at
//                            (8,0) enabled and (8,4) disabled
//   CheckGlyphs     18 × 24  check mark 9 × 8 at (0,0)/(9,0), square 7 × 7 at (1,9)/(10,9),
//                            dot 5 × 5 at (2,18)/(11,18) (enabled/disabled)
//   OptionSkin      13 × 52  four 13 × 13 circles, state k at (0, 13k); bands 11 × 5 at (1,17)
//                            hover and (1,30) pressed
//   HeaderSkin       9 × 20  three 3 × 20 cells, normal/hover/pressed at (3k, 0)
// Transparent pixels are kKeyColour (colours.h).
#include "memory_dc.h"

#include <windows.h>

namespace mixora::skin {

struct SkinBitmaps {
    MemoryDC button;
    MemoryDC combo_button;
    MemoryDC check_glyphs;
    MemoryDC option;
    MemoryDC header;
};

// Paints the five bitmaps into new contexts; a context that cannot be made stays empty.
SkinBitmaps PaintSkinBitmaps();

// Builds the process-wide set (freeing any earlier one first).
void BuildSkinBitmaps();
// Frees the process-wide set, context then bitmap, in the order ButtonSkin, ComboButtonSkin,
// CheckGlyphs, OptionSkin, HeaderSkin. The engine releases them only through this call, never
// with DeleteDC on the handles below.
void FreeSkinBitmaps();

// The process-wide contexts; null while not built.
HDC ButtonSkin();
HDC ComboButtonSkin();
HDC CheckGlyphs();
HDC OptionSkin();
HDC HeaderSkin();

} // namespace mixora::skin
