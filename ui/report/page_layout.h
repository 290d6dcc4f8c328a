#pragma once
// The report page of report_model.h laid out on sheets of paper: the same sections and rows the
// HTML report shows, as boxes, rules and lines of text placed in tenths of a millimetre from the
// sheet's top left corner. The preview and the printer draw these same pages (page_draw.h), so
// what the preview shows is what prints.
#include "page_fonts.h"
#include "report_model.h"

#include <windows.h>

#include <string>
#include <vector>

namespace mixora::ui {

// A sheet and the part of it the report may use, in tenths of a millimetre.
struct PaperSetup {
    SIZE paper{2100, 2970};             // A4
    RECT content{150, 150, 1950, 2820}; // 15 mm margins
};

struct PageText {
    RECT box; // the line's place; nothing of it is drawn outside
    TextStyle style;
    std::wstring text;
    UINT align = TA_LEFT; // TA_LEFT, TA_CENTER or TA_RIGHT within the box
    bool alert = false;   // drawn in red
};

struct PageBox {
    RECT box;
    COLORREF fill = CLR_INVALID; // CLR_INVALID: not filled
    bool framed = true;          // a thin grey border
};

struct LaidOutPage {
    std::vector<PageBox> boxes;
    std::vector<RECT> rules; // solid black bars: underlines, lines to sign on
    std::vector<PageText> texts;
};

// One page at least; a page break falls between rows, never inside one (a row taller than a
// page is cut short with an ellipsis). Every page ends with its number, "第 1 页，共 2 页".
std::vector<LaidOutPage> LayOutReport(const report::ReportPage& report, const PaperSetup& paper,
                                      const PageFonts& fonts);

} // namespace mixora::ui
