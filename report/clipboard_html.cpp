#include "clipboard_formats.h"

#include "html_escape.h"
#include "sheet_rows.h"

#include <string>

namespace mixora::report {

namespace {

constexpr std::string_view kStartMarker = "<!--StartFragment-->";
constexpr std::string_view kEndMarker = "<!--EndFragment-->";

std::string Table(const document::DesignSnapshot& snapshot) {
    std::string table = "<table border=\"1\" cellspacing=\"0\"><tr>";
    for (const std::string_view column : kSheetColumns)
        table += "<th>" + EscapeHtml(column) + "</th>";
    table += "</tr>";
    for (const SheetRow& row : SheetRows(snapshot))
        table += "<tr><td>" + EscapeHtml(row.caption) + "</td><td>" + EscapeHtml(row.value) +
                 "</td><td>" + EscapeHtml(row.unit) + "</td></tr>";
    return table + "</table>";
}

// An offset as the description writes it: ten digits, zero-padded.
std::string Offset(std::size_t offset) {
    std::string digits = std::to_string(offset);
    return std::string(digits.size() < 10 ? 10 - digits.size() : 0, '0') + digits;
}

} // namespace

std::string ClipboardHtml(const document::DesignSnapshot& snapshot) {
    return ClipboardHtmlAround(Table(snapshot));
}

std::string ClipboardHtmlAround(std::string_view fragment) {
    const std::string before =
        "<html><head><meta charset=\"utf-8\"></head><body>\r\n" + std::string(kStartMarker);
    const std::string after = std::string(kEndMarker) + "\r\n</body></html>";

    // The description has the same length whatever its numbers, so it is measured first.
    const auto description = [](std::size_t start_html, std::size_t end_html,
                                std::size_t start_fragment, std::size_t end_fragment) {
        return "Version:0.9\r\nStartHTML:" + Offset(start_html) +
               "\r\nEndHTML:" + Offset(end_html) + "\r\nStartFragment:" + Offset(start_fragment) +
               "\r\nEndFragment:" + Offset(end_fragment) + "\r\n";
    };
    const std::size_t start_html = description(0, 0, 0, 0).size();
    const std::size_t start_fragment = start_html + before.size();
    const std::size_t end_fragment = start_fragment + fragment.size();
    const std::size_t end_html = end_fragment + after.size();
    return description(start_html, end_html, start_fragment, end_fragment) + before +
           std::string(fragment) + after;
}

} // namespace mixora::report
