#pragma once
// A table put on the clipboard twice: as Unicode text, tab-separated with CRLF line ends so that
// each cell pastes into its own spreadsheet cell, and as the clipboard's "HTML Format" for word
// processors. Both UTF-8; the window converts the text to UTF-16.
#include <string>
#include <string_view>
#include <vector>

namespace mixora::page {

struct ClipboardTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// Tabs and line breaks inside a cell become blanks; a cell a spreadsheet would run as a formula
// is made text (formula_guard.h).
std::string ClipboardText(const ClipboardTable& table);

// The Version 0.9 description with byte offsets into this UTF-8 string, around an HTML table of
// the same cells, every text escaped.
std::string ClipboardHtml(const ClipboardTable& table);

// The "HTML Format" clipboard data around any HTML fragment.
std::string ClipboardHtmlAround(std::string_view fragment);

} // namespace mixora::page
