#pragma once
// A page of the report laid out on paper: boxes, rules and lines of text placed in tenths of a
// millimetre from the sheet's top left corner (page_geometry.h). The preview and the printer
// draw these same pages, so what the preview shows is what prints.
#include "page_geometry.h"
#include "text_measurer.h"

#include <optional>
#include <string>
#include <vector>

namespace mixora::report {

// Where a line sits across its box. The values are those of GDI's text alignment flags, so that
// the Windows drawer hands them on as they are.
enum TextAlign : unsigned { AlignLeft = 0, AlignRight = 2, AlignCenter = 6 };

struct PageText {
    Rect box; // the line's place; nothing of it is drawn outside
    TextStyle style = TextStyle::Body;
    std::wstring text;
    TextAlign align = AlignLeft;
    bool alert = false; // drawn in red
};

struct PageBox {
    Rect box;
    std::optional<Colour> fill; // none: not filled
    bool framed = true;         // a thin grey border
};

struct LaidOutPage {
    std::vector<PageBox> boxes;
    std::vector<Rect> rules; // solid black bars: underlines, lines to sign on
    std::vector<PageText> texts;
};

} // namespace mixora::report
