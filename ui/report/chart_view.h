#pragma once
// A chart (report/chart.h) drawn into a rectangle of a window, as the report's pages draw it:
// the same layout (chart_layout.h) and the same strokes, in the page fonts at the screen's size.
#include "chart.h"
#include "page_fonts.h"

#include <windows.h>

namespace mixora::ui {

// Draws `chart` on white within `area` (device pixels of `dc`) and nothing outside it; the
// context is left as it was. Draws nothing of what fails. For WM_PAINT or WM_DRAWITEM of an
// owner-drawn control.
void DrawChart(HDC dc, const RECT& area, const page::Chart& chart, const PageFonts& fonts);

// As above, with fonts made for this one drawing.
void DrawChart(HDC dc, const RECT& area, const page::Chart& chart);

} // namespace mixora::ui
