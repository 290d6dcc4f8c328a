#include "report_writers.h"

#include "formula_guard.h"

#include <vector>

namespace mixora::page {

namespace {

// A semicolon or tab is quoted too: spreadsheets set to those separators split there.
std::string Field(std::string_view typed) {
    const std::string text = NeutralizeFormula(typed);
    if (text.find_first_of(",;\t\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string Record(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i == 0 ? "" : ",") + Field(cells[i]);
    return line + "\r\n";
}

} // namespace

std::string ReportCsv(const ReportPage& page) {
    std::string csv = "\xEF\xBB\xBF";
    for (const std::string& line : page.masthead)
        csv += Record({line});
    csv += Record({page.title});
    if (!page.running_head.empty()) csv += Record({page.running_head});
    for (const Section& section : page.sections) {
        if (!section.title.empty()) csv += Record({section.title});
        for (const Row& row : section.rows)
            csv += Record(row.cells);
        // A chart cannot be a cell: its equation stands for it.
        if (section.chart && !section.chart->equation.empty())
            csv += Record({section.chart->equation});
    }
    return csv;
}

} // namespace mixora::page
