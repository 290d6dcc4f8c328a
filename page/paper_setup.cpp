#include "paper_setup.h"

#include <algorithm>

namespace mixora::page {

namespace {
// Kept clear of the edge of what a printer reaches: drivers round it.
constexpr int kBeyondUnprintable = 20;
} // namespace

PaperSetup PaperOnSheet(Size sheet, Rect printable) {
    PaperSetup paper;
    if (sheet.cx <= 0 || sheet.cy <= 0) return paper;
    paper.paper = sheet;
    paper.content = {std::max(kPageMargin, printable.left + kBeyondUnprintable),
                     std::max(kPageMargin, printable.top + kBeyondUnprintable),
                     std::min(sheet.cx - kPageMargin, printable.right - kBeyondUnprintable),
                     std::min(sheet.cy - kPageMargin, printable.bottom - kBeyondUnprintable)};
    // A sheet too small for the margins, or a printable area that says nothing useful: the whole
    // sheet is better than nothing at all.
    if (paper.content.width() <= 0 || paper.content.height() <= 0)
        paper.content = {0, 0, sheet.cx, sheet.cy};
    return paper;
}

} // namespace mixora::page
