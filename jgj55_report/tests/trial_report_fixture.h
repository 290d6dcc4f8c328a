#pragma once
// The trial fixture's C30 as a JGJ 55-2011 design, the entries of a whole trial of it, and the
// reads the report tests share.
#include "design.h"
#include "report_page.h"
#include "trial_fixture.h"

#include <string>
#include <string_view>

namespace mixora::trial {

// Water 180, W/B 0.45 and sand ratio 35 % given, fly ash 20 %, slag 10 %, dosage 1.5 %, the mass
// method of 2400 kg/m³: the design's mix is C30()'s, 280, 80, 40, 180, 637, 1183, 6.00.
inline jgj55::Inputs C30Inputs() {
    jgj55::Inputs inputs;
    inputs.grade = 30;
    inputs.fly_ash_share = 20;
    inputs.slag_share = 10;
    inputs.max_size = jgj55::MaxSize::Mm31_5;
    inputs.slump = 180;
    inputs.admixture_dosage = 1.5;
    inputs.water_reduction = 25;
    inputs.water_binder = 0.45;
    inputs.water = 180;
    inputs.sand_ratio = 35;
    inputs.method = jgj55::Method::Mass;
    inputs.assumed_mass = 2400;
    return inputs;
}

// Three strength groups, a density of 2430 (1.3 % above 2400: the mix stands) and the day's
// moisture for a 0.75 m³ mixer.
inline TrialEntries WholeTrial() {
    TrialEntries e = EntriesThroughStrength();
    e.density.measured = "2430";
    e.production = {"3.5", "0.8", "2026-12-07 08:30", "0.75"};
    return e;
}

inline const page::Section* SectionTitled(const page::ReportPage& page, std::string_view title) {
    for (const page::Section& section : page.sections)
        if (section.title == title) return &section;
    return nullptr;
}

// The cells of the first row of `section` that starts with `first`; none when there is none.
inline std::vector<std::string> RowOf(const page::Section& section, std::string_view first) {
    for (const page::Row& row : section.rows)
        if (!row.cells.empty() && row.cells.front() == first) return row.cells;
    return {};
}

// Cell `index` of that row; "（无）" when there is no such row or cell.
inline std::string CellOf(const page::Section& section, std::string_view first,
                          std::size_t index = 1) {
    const std::vector<std::string> cells = RowOf(section, first);
    return index < cells.size() ? cells[index] : "（无）";
}

// All the texts of a section, one cell after another, to look for words in.
inline std::string TextOf(const page::Section& section) {
    std::string text = section.title;
    for (const page::Row& row : section.rows)
        for (const std::string& cell : row.cells)
            text += "|" + cell;
    return text;
}

inline bool HasTable(const page::Section& section) {
    for (const page::Row& row : section.rows)
        if (row.kind == page::RowKind::TableRow) return true;
    return false;
}

inline bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

} // namespace mixora::trial
