#include "report_writers.h"

#include <vector>

namespace mixora::report {

namespace {

std::string Field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
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
    std::string csv = "\xEF\xBB\xBF" + Record({page.title});
    for (const Section& section : page.sections) {
        if (!section.title.empty()) csv += Record({section.title});
        for (const Row& row : section.rows)
            csv += Record(row.cells);
    }
    return csv;
}

} // namespace mixora::report
