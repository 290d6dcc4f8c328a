#pragma once
// GB/T 14902-2012, ready-mixed concrete: how far a measured slump may lie from the design's.
// Cited by the standard alone until the table's number is confirmed.
#include "table.h"

#include <array>
#include <string_view>

namespace mixora::standards::gbt14902_2012 {

inline constexpr std::string_view kName = "GB/T 14902-2012";

// The tolerance of the slump (mm) for design slumps from min_slump to max_slump (mm; the last
// band has no upper end: max_slump 0).
struct SlumpToleranceRow {
    double min_slump;
    double max_slump;
    double tolerance;
};
inline constexpr Table<SlumpToleranceRow, 3> kSlumpTolerance = {
    "", {{{10, 40, 10}, {50, 90, 20}, {100, 0, 30}}}};

} // namespace mixora::standards::gbt14902_2012
