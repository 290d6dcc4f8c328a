#pragma once
// The report as files: each a UTF-8 string, ready to be written as it is.
#include "report_page.h"

#include <string>

namespace mixora::page {

// Comma-separated values: a byte order mark (so spreadsheets read UTF-8), CRLF line ends,
// a field with a comma, semicolon, tab, quote, CR or LF in quotes with its quotes doubled, and
// a field a spreadsheet would run as a formula made text (formula_guard.h). One line for the
// title, one per section title (when it has one), one per row with the row's cells and one with
// the equation of a section's chart (when it has one).
std::string ReportCsv(const ReportPage& page);

// A self-contained HTML document (inline styles for screen and A4 print, no script, no
// external file) with every text escaped; a section's chart is an inline SVG after its rows.
std::string ReportHtml(const ReportPage& page);

} // namespace mixora::page
