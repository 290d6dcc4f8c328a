#include "clipboard_table.h"

#include "formula_guard.h"
#include "html_escape.h"

namespace mixora::page {

namespace {

constexpr std::string_view kStartMarker = "<!--StartFragment-->";
constexpr std::string_view kEndMarker = "<!--EndFragment-->";

// A cell may not split its row or its column, nor be pasted as a formula.
std::string Cell(std::string_view text) {
    std::string cell = NeutralizeFormula(text);
    for (char& c : cell)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return cell;
}

std::string Line(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i == 0 ? "" : "\t") + Cell(cells[i]);
    return line + "\r\n";
}

std::string HtmlRow(const std::vector<std::string>& cells, std::string_view tag) {
    std::string row = "<tr>";
    for (const std::string& cell : cells)
        row += "<" + std::string(tag) + ">" + EscapeHtml(cell) + "</" + std::string(tag) + ">";
    return row + "</tr>";
}

// An offset as the description writes it: ten digits, zero-padded.
std::string Offset(std::size_t offset) {
    std::string digits = std::to_string(offset);
    return std::string(digits.size() < 10 ? 10 - digits.size() : 0, '0') + digits;
}

} // namespace

std::string ClipboardText(const ClipboardTable& table) {
    std::string text = Line(table.header);
    for (const std::vector<std::string>& row : table.rows)
        text += Line(row);
    return text;
}

std::string ClipboardHtml(const ClipboardTable& table) {
    std::string html = "<table border=\"1\" cellspacing=\"0\">" + HtmlRow(table.header, "th");
    for (const std::vector<std::string>& row : table.rows)
        html += HtmlRow(row, "td");
    return ClipboardHtmlAround(html + "</table>");
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

} // namespace mixora::page
