#include "design_diff.h"

#include "design_report.h"
#include "report_document.h"

#include <map>
#include <utility>

namespace mixora::lab {

namespace {

constexpr std::string_view kAbsent = "—";

// A report's rows that carry a value, by (section, name), in the report's order.
using Rows = std::vector<std::pair<std::pair<std::string, std::string>, std::string>>;

std::string Joined(const std::vector<std::string>& cells, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < cells.size(); ++i) {
        if (cells[i].empty()) continue;
        if (!text.empty()) text += ' ';
        text += cells[i];
    }
    return text;
}

Rows RowsOf(const document::DesignDocument& document) {
    // The header stored in the file, or the defaults with no date: a date the report would
    // fill in with today's is no difference between two revisions.
    const report::ReportInfo info =
        report::ReadStoredReportInfo(document).info.value_or(report::ReportInfo{});
    const page::ReportPage page = session::DesignReport(document, info);
    Rows rows;
    for (const page::Section& section : page.sections)
        for (const page::Row& row : section.rows) {
            // A value with its name: a key and value (with its unit) or a table's row (its
            // first cell names it). Headings, notes and signatures are not inputs or results.
            if ((row.kind != page::RowKind::KeyValue && row.kind != page::RowKind::TableRow) ||
                row.cells.empty())
                continue;
            rows.push_back({{section.title, row.cells.front()}, Joined(row.cells, 1)});
        }
    return rows;
}

} // namespace

std::vector<DesignDifference> DiffDesigns(const document::DesignDocument& before,
                                          const document::DesignDocument& after) {
    const Rows old_rows = RowsOf(before), new_rows = RowsOf(after);
    std::map<std::pair<std::string, std::string>, const std::string*> old_values;
    for (const auto& [key, value] : old_rows)
        old_values.emplace(key, &value);
    std::vector<DesignDifference> differences;
    for (const auto& [key, value] : new_rows) {
        const auto old = old_values.find(key);
        const std::string was = old == old_values.end() ? std::string(kAbsent) : *old->second;
        if (old != old_values.end()) old_values.erase(old);
        if (was != value) differences.push_back({key.first, key.second, was, value});
    }
    for (const auto& [key, value] : old_rows)
        if (old_values.contains(key))
            differences.push_back({key.first, key.second, value, std::string(kAbsent)});
    return differences;
}

} // namespace mixora::lab
