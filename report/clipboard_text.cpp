#include "clipboard_formats.h"

#include "formula_guard.h"
#include "sheet_rows.h"

namespace mixora::report {

namespace {

// A cell may not split its row or its column, nor be pasted as a formula.
std::string Cell(std::string_view text) {
    std::string cell = NeutralizeFormula(text);
    for (char& c : cell)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return cell;
}

std::string Line(std::string_view a, std::string_view b, std::string_view c) {
    return Cell(a) + '\t' + Cell(b) + '\t' + Cell(c) + "\r\n";
}

} // namespace

std::string ClipboardText(const document::DesignSnapshot& snapshot) {
    std::string text = Line(kSheetColumns[0], kSheetColumns[1], kSheetColumns[2]);
    for (const SheetRow& row : SheetRows(snapshot))
        text += Line(row.caption, row.value, row.unit);
    return text;
}

} // namespace mixora::report
