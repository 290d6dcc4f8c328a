#pragma once
// Drawing laid-out pages with GDI, onto a printer, a preview or a memory context alike.
#include "page_layout.h"

#include <windows.h>

namespace mixora::ui {

inline constexpr int kUnitsPerInch = 254; // tenths of a millimetre

// Maps `dc` so that one logical unit is a tenth of a millimetre at `pixels_per_inch` device
// pixels per inch (scaled by zoom_percent), with the sheet's top left corner at device point
// `origin`.
void MapPaper(HDC dc, int pixels_per_inch_x, int pixels_per_inch_y, int zoom_percent, POINT origin);

// Draws one page on a context that MapPaper has mapped; draws nothing of what fails.
void DrawPage(HDC dc, const LaidOutPage& page, const PageFonts& fonts);

// A context that measures text as a 600 dpi device does, mapped as MapPaper maps: the layout's
// measure. Null when the system cannot make one.
base::unique_hdc CreateMeasuringContext();

} // namespace mixora::ui
