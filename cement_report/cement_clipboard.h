#pragma once
// What the window puts on the clipboard for a cement-only design: the list of sheet_rows.h as a
// clipboard table (page/clipboard_table.h), plain text and "HTML Format".
#include "design_snapshot.h"

#include <string>

namespace mixora::cement_report {

// Tab-separated rows with CRLF line ends, so each cell pastes into its own spreadsheet cell.
std::string ClipboardText(const document::DesignSnapshot& snapshot);

// The "HTML Format" clipboard data of the same rows.
std::string ClipboardHtml(const document::DesignSnapshot& snapshot);

} // namespace mixora::cement_report
