#pragma once
// Snapshots for the report tests: the reset sheet, and the reset sheet after one press as the
// known results give it.
#include "design_snapshot.h"
#include "design_values.h"
#include "cement_report.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace mixora::cement_report {

// The page and the header the cement-only sheet's report is made of.
using page::ReportPage;
using page::Row;
using page::RowKind;
using page::Section;
using report::ReportInfo;

inline document::DesignSnapshot ResetSnapshot() {
    document::DesignSnapshot snapshot;
    for (const calc::Field field : calc::kAllFields)
        snapshot.text(field) = golden::kResetTexts[calc::FieldIndex(field)];
    for (const calc::Toggle on : {calc::Toggle::option1, calc::Toggle::细砂, calc::Toggle::卵石})
        snapshot.toggles[static_cast<std::size_t>(on)] = true;
    return snapshot;
}

inline document::DesignSnapshot PressedSnapshot() {
    document::DesignSnapshot snapshot = ResetSnapshot();
    using enum calc::Field;
    const calc::Field intermediates[] = {Text2, Text8, Text10, Text4};
    const calc::Field frame[] = {Text11, Text12, Text13, Text14, Text30, Text31, Text32, Text33};
    for (std::size_t i = 0; i < 4; ++i)
        snapshot.text(intermediates[i]) = golden::kResetIntermediates[i];
    for (std::size_t i = 0; i < 8; ++i)
        snapshot.text(frame[i]) = golden::kResetFrame[i];
    return snapshot;
}

inline document::DesignSnapshot
With(document::DesignSnapshot snapshot,
     std::initializer_list<std::pair<calc::Field, const char*>> texts) {
    for (const auto& [field, text] : texts)
        snapshot.text(field) = text;
    return snapshot;
}

inline const Section* FindSection(const ReportPage& page, std::string_view title) {
    for (const Section& section : page.sections)
        if (section.title == title) return &section;
    return nullptr;
}

// The value of the key/value row with this caption in a section, or "<none>".
inline std::string ValueOf(const ReportPage& page, std::string_view section_title,
                           std::string_view caption) {
    if (const Section* section = FindSection(page, section_title))
        for (const Row& row : section->rows)
            if (row.kind == RowKind::KeyValue && row.cells.at(0) == caption) return row.cells.at(1);
    return "<none>";
}

// The rows of one kind in a section.
inline std::vector<Row> RowsOf(const ReportPage& page, std::string_view section_title,
                               RowKind kind) {
    std::vector<Row> rows;
    if (const Section* section = FindSection(page, section_title))
        for (const Row& row : section->rows)
            if (row.kind == kind) rows.push_back(row);
    return rows;
}

} // namespace mixora::cement_report
