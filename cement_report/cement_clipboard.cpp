#include "cement_clipboard.h"

#include "clipboard_table.h"
#include "sheet_rows.h"

namespace mixora::cement_report {

namespace {

page::ClipboardTable SheetTable(const document::DesignSnapshot& snapshot) {
    page::ClipboardTable table{{std::begin(kSheetColumns), std::end(kSheetColumns)}, {}};
    for (const SheetRow& row : SheetRows(snapshot))
        table.rows.push_back({row.caption, row.value, row.unit});
    return table;
}

} // namespace

std::string ClipboardText(const document::DesignSnapshot& snapshot) {
    return page::ClipboardText(SheetTable(snapshot));
}

std::string ClipboardHtml(const document::DesignSnapshot& snapshot) {
    return page::ClipboardHtml(SheetTable(snapshot));
}

} // namespace mixora::cement_report
