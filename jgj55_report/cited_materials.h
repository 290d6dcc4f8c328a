#pragma once
// The material records a JGJ 55-2011 design cites, as its documents print them: each record's
// identity and test data as texts, and the cost per m³ at their prices. The lab's layer fills
// them from the copy the design keeps (lab/material_values.h), so the documents need no
// database; a design citing none has none, and its documents are as they were.
//
// A value a cited record gives is printed in place of one typed in the report's header (the
// record is what the lab tested; the header's is a note typed beside it), and where the two
// differ the materials' table says so. What the record does not give is taken from the header.
#include "report_info.h"
#include "report_page.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mixora::jgj55_report {

struct CitedMaterial {
    report::MaterialSlot slot = report::MaterialSlot::Cement;
    std::string material; // "水泥"
    std::string code;     // "C-0001"
    std::int64_t version = 1;
    std::string maker, product, batch;
    std::string report_number, report_date;
    // The test report's values in its kind's order: "28 d 抗压强度 fce 48.6 MPa".
    std::vector<std::string> test_data;
    // An admixture's type and solid content (a number in %) when the record gives them.
    std::string admixture_type, solid_percent;

    // "C-0001 第 2 版".
    std::string Named() const;
    // "原材料 C-0001 第 2 版": what a value taken from it names as its source.
    std::string Source() const { return "原材料 " + Named(); }
};

// The cost per m³ of the cited materials at their prices.
struct MaterialCost {
    double yuan_per_m3 = 0;  // rounded to 0.01
    std::string price_dates; // the prices' dates, earliest first: "2026-03-01 … 2026-03-05"
    std::vector<std::string> missing; // the materials used without a price: "粉煤灰"
};

struct CitedMaterials {
    std::vector<CitedMaterial> records; // in the materials' order
    std::optional<MaterialCost> cost;   // none when no cited material used has a price

    const CitedMaterial* Of(report::MaterialSlot slot) const;
};

// The header as the documents print it: a cited record's maker, batch and admixture type and
// solid content in place of what was typed.
report::ReportInfo WithCitedValues(report::ReportInfo info, const CitedMaterials& cited);

// What the header typed that a cited record says otherwise, one sentence each.
std::vector<std::string> CitationConflicts(const report::ReportInfo& typed,
                                           const CitedMaterials& cited);

// "原材料检测记录": one row per record (material, record and version, product, test report
// with its date, test data), then 材料成本 with the prices' dates.
page::Section CitedRecordsSection(const CitedMaterials& cited);

} // namespace mixora::jgj55_report
