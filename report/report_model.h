#pragma once
// The design report as plain data: one page of sections made of rows of cells. Every renderer
// (the HTML writer here, the window's page renderer) draws the same rows; none of them reads
// the sheet itself.
#include "chart.h"
#include "design_snapshot.h"
#include "report_info.h"

#include <optional>
#include <string>
#include <vector>

namespace mixora::report {

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

struct Section {
    std::string title; // may be empty: no heading is drawn
    std::vector<Row> rows;
    int pairs_per_line = 1; // how many key/value rows a renderer may set side by side
    std::optional<Chart> chart = std::nullopt; // drawn after the rows

    friend bool operator==(const Section&, const Section&) = default;
};

struct ReportPage {
    std::string title;
    std::vector<Section> sections;
};

inline constexpr std::string_view kReportTitle = "混凝土配合比设计报告";
inline constexpr std::string_view kNoResult = "尚无计算结果";

// The report of a design: the sheet's texts as shown, the header, the trial batch and the
// checks. Builds for any snapshot, whatever its texts. A frame whose amounts make no mix
// (calc/mix_soundness.h) is never shown as a mix: a warning heads the page saying why.
ReportPage BuildReport(const document::DesignSnapshot& snapshot, const ReportInfo& info);

// The text of a toggle group as the sheet shows it: "体积法", "卵石、碎石", "" when none is on.
std::string MethodText(const document::DesignSnapshot& snapshot);
std::string AggregateText(const document::DesignSnapshot& snapshot);
std::string SandText(const document::DesignSnapshot& snapshot);

} // namespace mixora::report
