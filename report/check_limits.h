#pragma once
// The limits the report checks a mix against, with where each comes from. Data only: a changed
// edition of a standard is a change here and nowhere else.
#include "report_info.h"

#include <array>
#include <string_view>

namespace mixora::report {

// Durability by environment class: the largest water–binder ratio and the lowest strength
// grade (C20 as 20).
struct EnvironmentLimits {
    EnvironmentClass environment;
    std::string_view max_water_binder_ratio;
    int min_grade;
};
inline constexpr std::string_view kEnvironmentLimitsSource = "GB 50010-2010 表 3.5.3";
inline constexpr std::array<EnvironmentLimits, 5> kEnvironmentLimits = {{
    {EnvironmentClass::One, "0.60", 20},
    {EnvironmentClass::TwoA, "0.55", 25},
    {EnvironmentClass::TwoB, "0.50", 30},
    {EnvironmentClass::ThreeA, "0.45", 35},
    {EnvironmentClass::ThreeB, "0.40", 40},
}};

// The least binder content in kg/m³ by structure type (in the order of kStructureTypes), in the
// row of the largest water–binder ratio the mix does not exceed. Rows from the smallest ratio
// up; a ratio above the last row has no row.
struct MinimumBinderRow {
    std::string_view max_water_binder_ratio;
    std::array<std::string_view, kStructureTypes.size()> min_binder;
};
inline constexpr std::string_view kMinimumBinderSource = "JGJ 55-2011 表 3.0.4";
inline constexpr std::array<MinimumBinderRow, 4> kMinimumBinder = {{
    {"0.45", {"330", "330", "330"}},
    {"0.50", {"320", "320", "320"}},
    {"0.55", {"280", "300", "300"}},
    {"0.60", {"250", "280", "300"}},
}};
// The table applies to grades above this one (C15 and below are exempt).
inline constexpr int kMinimumBinderExemptUpToGrade = 15;

// The least volume of one trial batch by the largest nominal size of the coarse aggregate.
struct TrialBatchMinimum {
    std::string_view max_aggregate_mm;
    std::string_view min_litres;
};
inline constexpr std::string_view kTrialBatchSource = "JGJ 55-2011 表 6.1.2";
inline constexpr std::array<TrialBatchMinimum, 2> kTrialBatchMinimum = {{
    {"31.5", "20"},
    {"40", "25"},
}};

} // namespace mixora::report
