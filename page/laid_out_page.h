#pragma once
// A page of the report laid out on paper: boxes, rules, lines of text and a chart's strokes and
// markers placed in tenths of a millimetre from the sheet's top left corner (page_geometry.h). The
// preview and the printer draw these same pages, so what the preview shows is what prints.
#include "page_geometry.h"
#include "text_measurer.h"

#include <optional>
#include <string>
#include <vector>

namespace mixora::page {

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

// A straight stroke, such as a chart's axis, grid line or fitted line. A dashed one is drawn as
// dashes of kDash with gaps of kDashGap, the same length on paper and on screen.
struct PageLine {
    Point from, to;
    int width = 0; // how thick; 0: as thin as the device draws
    Colour colour;
    bool dashed = false;

    static constexpr int kDash = 20;
    static constexpr int kDashGap = 12;
};

enum class MarkerShape { Circle, Square };

// A filled mark centred on a point: a chart's measured or chosen point.
struct PageMarker {
    Point centre;
    int radius = 0; // half the mark's width
    Colour colour;
    MarkerShape shape = MarkerShape::Circle;
};

// Drawn in this order: boxes, rules, lines, markers, texts.
struct LaidOutPage {
    std::vector<PageBox> boxes;
    std::vector<Rect> rules; // solid black bars: underlines, lines to sign on
    std::vector<PageLine> lines;
    std::vector<PageMarker> markers;
    std::vector<PageText> texts;
};

} // namespace mixora::page
