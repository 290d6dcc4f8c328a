#pragma once
// GB/T 14902-2012, ready-mixed concrete: how far a delivered slump may lie from the design's.
// Cited by the standard alone until the table's number is confirmed.
#include "table.h"

#include <optional>
#include <string_view>

namespace mixora::standards::gbt14902_2012 {

inline constexpr std::string_view kName = "GB/T 14902-2012";
inline constexpr std::string_view kTitle = "《预拌混凝土》";

// A design slump within [from, to] mm may be delivered within ± tolerance mm. Between the rows
// (41–49, 91–99 mm) and below the first the standard is not read here.
struct SlumpToleranceRow {
    Limit from_mm;
    Limit to_mm; // the last row has none above it
    Limit tolerance_mm;
};
inline constexpr double kOpenEnd = 1e9;
inline constexpr Table<SlumpToleranceRow, 3> kSlumpTolerance = {
    "",
    {{{{"10", 10}, {"40", 40}, {"10", 10}},
      {{"50", 50}, {"90", 90}, {"20", 20}},
      {{"100", 100}, {"", kOpenEnd}, {"30", 30}}}}};

// The row of a design slump, when the table has one.
inline constexpr std::optional<SlumpToleranceRow> SlumpToleranceOf(double slump_mm) {
    for (const SlumpToleranceRow& row : kSlumpTolerance.rows)
        if (slump_mm >= row.from_mm.value && slump_mm <= row.to_mm.value) return row;
    return std::nullopt;
}

} // namespace mixora::standards::gbt14902_2012
