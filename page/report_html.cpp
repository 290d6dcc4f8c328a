#include "report_writers.h"

#include "chart_svg.h"
#include "html_escape.h"

namespace mixora::page {

namespace {

// Screen and A4 print alike; the font stack covers Windows and the Linux machines that render
// the report in tests.
constexpr std::string_view kStyle = R"(
@page { size: A4; margin: 10mm 12mm; }
html { background: #fff; }
body { font-family: "Microsoft YaHei", "SimSun", "WenQuanYi Micro Hei", sans-serif;
       font-size: 9pt; color: #000; margin: 8mm auto; max-width: 182mm; line-height: 1.3; }
h1 { font-size: 16pt; text-align: center; letter-spacing: 0.15em; margin: 0 0 3mm; }
h2 { font-size: 10pt; margin: 2.5mm 0 1mm; padding-bottom: 0.4mm; border-bottom: 1.5px solid #000; }
h3 { font-size: 9pt; margin: 1.5mm 0 0.8mm; }
table { width: 100%; border-collapse: collapse; margin: 0 0 1mm; }
th, td { border: 1px solid #777; padding: 0.4mm 1.5mm; text-align: left; vertical-align: top; }
table.grid th { background: #ececec; text-align: center; }
table.grid td { text-align: center; }
table.pairs th { width: 20%; background: #f4f4f4; font-weight: normal; white-space: nowrap; }
table.pairs.many th { width: auto; white-space: normal; }
.unit { color: #444; margin-left: 0.4em; }
.alert, tr.alert td { color: #b00000; font-weight: bold; }
p.note { margin: 0.5mm 0; font-size: 8.5pt; }
.signatures { display: flex; justify-content: space-between; margin-top: 5mm; }
.signature { flex: 1; }
figure.chart { margin: 2mm 0; text-align: center; }
.signature .line { display: inline-block; min-width: 30mm; border-bottom: 1px solid #000;
                   padding: 0 1mm; }
p.masthead { text-align: center; margin: 0; }
p.masthead.first { font-size: 11pt; font-weight: bold; }
header.running { text-align: right; font-size: 8pt; border-bottom: 1px solid #777;
                 margin-bottom: 2mm; }
@media print {
  body { margin: 0; max-width: none; }
  header.running { position: fixed; top: 0; left: 0; right: 0; background: #fff; }
  body.running { padding-top: 7mm; }
  section, figure.chart, div.kept { break-inside: avoid; }
  h2 { break-after: avoid; }
}
)";

std::string Cell(std::string_view text) {
    return EscapeHtml(text, true);
}

std::string ValueWithUnit(const Row& row) {
    std::string html = Cell(row.cells.size() > 1 ? row.cells[1] : "");
    // A unit follows a value; alone it would read as one.
    if (row.cells.size() > 2 && !row.cells[2].empty() && !row.cells[1].empty())
        html += "<span class=\"unit\">" + Cell(row.cells[2]) + "</span>";
    return html;
}

std::string AlertClass(const Row& row) {
    return row.alert ? " class=\"alert\"" : "";
}

// Key/value rows side by side, pairs_per_line to a line.
std::string Pairs(const std::vector<const Row*>& rows, int pairs_per_line) {
    const std::size_t per_line = pairs_per_line > 1 ? static_cast<std::size_t>(pairs_per_line) : 1;
    std::string html = per_line > 1 ? "<table class=\"pairs many\">" : "<table class=\"pairs\">";
    for (std::size_t i = 0; i < rows.size(); i += per_line) {
        html += "<tr>";
        for (std::size_t k = i; k < i + per_line; ++k) {
            if (k < rows.size())
                html += "<th>" + Cell(rows[k]->cells.empty() ? "" : rows[k]->cells[0]) +
                        "</th><td" + AlertClass(*rows[k]) + ">" + ValueWithUnit(*rows[k]) + "</td>";
            else
                html += "<th></th><td></td>";
        }
        html += "</tr>";
    }
    return html + "</table>\n";
}

std::string Grid(const std::vector<const Row*>& rows) {
    std::string html = "<table class=\"grid\">";
    for (const Row* row : rows) {
        const char* tag = row->kind == RowKind::TableHeader ? "th" : "td";
        html += "<tr" + AlertClass(*row) + ">";
        for (const std::string& cell : row->cells)
            html += std::string("<") + tag + ">" + Cell(cell) + "</" + tag + ">";
        html += "</tr>";
    }
    return html + "</table>\n";
}

std::string Signatures(const std::vector<const Row*>& rows) {
    std::string html = "<div class=\"signatures\">";
    for (const Row* row : rows)
        html += "<div class=\"signature\">" + Cell(row->cells.empty() ? "" : row->cells[0]) +
                "：<span class=\"line\">" + Cell(row->cells.size() > 1 ? row->cells[1] : "") +
                "</span></div>";
    return html + "</div>\n";
}

// A group of rows that draw as one block: key/values, a table, signatures.
enum class Block { Pairs, Grid, Signatures, Single };

Block BlockOf(RowKind kind) {
    switch (kind) {
    case RowKind::KeyValue: return Block::Pairs;
    case RowKind::TableHeader:
    case RowKind::TableRow: return Block::Grid;
    case RowKind::Signature: return Block::Signatures;
    default: return Block::Single;
    }
}

std::string SectionHtml(const Section& section) {
    std::string html = "<section>\n";
    if (!section.title.empty()) html += "<h2>" + Cell(section.title) + "</h2>\n";
    const std::vector<Row>& rows = section.rows;
    for (std::size_t i = 0; i < rows.size();) {
        const Block block = BlockOf(rows[i].kind);
        if (block == Block::Single) {
            const Row& row = rows[i++];
            const std::string text = Cell(row.cells.empty() ? "" : row.cells[0]);
            if (row.kind == RowKind::Heading)
                html += "<h3>" + text + "</h3>\n";
            else
                html += std::string("<p class=\"note") + (row.alert ? " alert" : "") + "\">" +
                        text + "</p>\n";
            continue;
        }
        std::vector<const Row*> run;
        for (; i < rows.size() && BlockOf(rows[i].kind) == block; ++i)
            run.push_back(&rows[i]);
        if (block == Block::Pairs) html += Pairs(run, section.pairs_per_line);
        if (block == Block::Grid) html += Grid(run);
        if (block == Block::Signatures) html += Signatures(run);
    }
    if (section.chart)
        html += "<figure class=\"chart\">\n" + ChartSvg(*section.chart) + "</figure>\n";
    return html + "</section>\n";
}

} // namespace

std::string ReportHtml(const ReportPage& page) {
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>" +
        Cell(page.title) + "</title>\n<style>" + std::string(kStyle) + "</style>\n</head>\n<body" +
        (page.running_head.empty() ? ">\n"
                                   : " class=\"running\">\n<header class=\"running\">" +
                                         Cell(page.running_head) + "</header>\n");
    for (std::size_t i = 0; i < page.masthead.size(); ++i)
        html += std::string("<p class=\"masthead") + (i == 0 ? " first" : "") + "\">" +
                Cell(page.masthead[i]) + "</p>\n";
    html += "<h1>" + Cell(page.title) + "</h1>\n";
    // Sections kept with the next (Keep::WithNext) print in one block with it.
    bool in_block = false;
    for (const Section& section : page.sections) {
        const bool with_next = section.keep == Keep::WithNext;
        if (with_next && !in_block) html += "<div class=\"kept\">\n";
        html += SectionHtml(section);
        if (in_block && !with_next) html += "</div>\n";
        in_block = with_next;
    }
    if (in_block) html += "</div>\n";
    return html + "</body>\n</html>\n";
}

} // namespace mixora::page
