#pragma once
// A report as plain data that knows no design: a page of sections made of rows of cells, a
// section with its chart. Every writer draws the same rows (the HTML and CSV files, the pages
// laid out on paper, which the window draws and prints); a design's report builds them.
#include "chart.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::page {

enum class RowKind {
    Heading,     // {text}: a heading inside a section
    KeyValue,    // {caption, value, unit}; the unit belongs after a value, not alone
    TableHeader, // the column titles of the table rows that follow
    TableRow,    // one cell per column
    Note,        // {text}
    Signature,   // {role, name}: a line to sign on
};

struct Row {
    RowKind kind;
    std::vector<std::string> cells; // UTF-8, never escaped
    bool alert = false;             // a finding the reader must not miss (不符合, …)

    friend bool operator==(const Row&, const Row&) = default;
};

// How a section may fall across pages. A kept block taller than a page breaks between rows as
// a free one does; one of several sections that is taller keeps each of its sections instead.
enum class Keep {
    Free,     // a page may break between any two of its rows
    Together, // whole on one page: moved to the next when it does not fit below
    WithNext, // together, and on the same page as the section after it
};

struct Section {
    std::string title; // may be empty: no heading is drawn
    std::vector<Row> rows;
    int pairs_per_line = 1; // how many key/value rows a renderer may set side by side
    std::optional<Chart> chart = std::nullopt; // drawn after the rows
    Keep keep = Keep::Free;

    friend bool operator==(const Section&, const Section&) = default;
};

struct ReportPage {
    std::string title;
    std::vector<Section> sections;
    // Who issues it (the lab's name, address, certificate), one line each above the title.
    std::vector<std::string> masthead = {};
    // At the top of every page, so that a loose page still names its document ("报告编号：…").
    std::string running_head = {};
};

// The rows as a report writes them.
Row KeyValue(std::string_view caption, std::string value, std::string_view unit = {});
Row Note(std::string text, bool alert = false);
Row Heading(std::string text);

} // namespace mixora::page
