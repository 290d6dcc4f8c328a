#pragma once
// The sheet the report is laid out on and the part of it the report may use.
#include "page_geometry.h"

namespace mixora::page {

inline constexpr int kPageMargin = 150; // 15 mm, as the HTML report's print styles

struct PaperSetup {
    Size paper{2100, 2970};                             // A4
    Rect content{kPageMargin, kPageMargin, 1950, 2820}; // within the margins
};

// The report's paper on a sheet of which a printer reaches only `printable`: the margins of
// 15 mm, moved inwards where the printer cannot print so near the edge. A4 when the sheet has
// no size.
PaperSetup PaperOnSheet(Size sheet, Rect printable);

} // namespace mixora::page
