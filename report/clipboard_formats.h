#pragma once
// What the window puts on the clipboard for a design: the list of sheet_rows.h as plain text
// and as the clipboard's "HTML Format". Both UTF-8; the window converts the text to UTF-16.
#include "design_snapshot.h"

#include <string>
#include <string_view>

namespace mixora::report {

// Tab-separated rows with CRLF line ends, so each cell pastes into its own spreadsheet cell.
// Tabs and line breaks inside a text become blanks; a text a spreadsheet would run as a
// formula is made text (formula_guard.h).
std::string ClipboardText(const document::DesignSnapshot& snapshot);

// The "HTML Format" clipboard data: the Version 0.9 description with byte offsets into this
// UTF-8 string, around an HTML table of the same rows.
std::string ClipboardHtml(const document::DesignSnapshot& snapshot);

// The "HTML Format" clipboard data around any HTML fragment.
std::string ClipboardHtmlAround(std::string_view fragment);

} // namespace mixora::report
