#pragma once
// What the laboratory's trial procedure rests on: the clauses it cites and the numbers they fix.
// Data only: a new edition of a standard is a change here and nowhere else.
#include <array>
#include <string_view>

namespace mixora::trial {

// The least volume of one trial batch by the largest nominal size of the coarse aggregate
// (a size up to the row's limit takes that row).
struct TrialVolumeMinimum {
    double max_aggregate_mm;
    double min_litres;
    std::string_view clause;
};
inline constexpr std::array<TrialVolumeMinimum, 2> kTrialVolumeMinimum = {{
    {31.5, 20, "JGJ 55-2011 表 6.1.2"},
    {40, 25, "JGJ 55-2011 表 6.1.2"},
}};

// The trial mix: the computed mix adjusted until the fresh concrete works.
inline constexpr std::string_view kTrialMixClause = "JGJ 55-2011 第 6.1 节";

// The strength mixes: the water–binder ratio and the sand ratio of the other two mixes beside
// the trial mix, with the same water.
inline constexpr double kStrengthMixWaterBinderStep = 0.05;
inline constexpr double kStrengthMixSandRatioStepPercent = 1;
inline constexpr std::string_view kStrengthMixClause = "JGJ 55-2011 第 6.1 节";

// A group's strength: the mean of three, or the middle one when the largest or the smallest
// lies more than this share of the middle one away; both: the group is invalid.
inline constexpr double kGroupSpreadPercent = 15;
inline constexpr std::string_view kGroupClause = "GB/T 50081";

// Non-standard cubes: the factor to the 150 mm cube.
enum class SpecimenSize { Mm150, Mm100, Mm200 };
struct SpecimenSizeRow {
    SpecimenSize size;
    std::string_view name; // "150 mm", also the stored key
    double factor;
};
inline constexpr std::array<SpecimenSizeRow, 3> kSpecimenSizes = {{
    {SpecimenSize::Mm150, "150 mm", 1.00},
    {SpecimenSize::Mm100, "100 mm", 0.95},
    {SpecimenSize::Mm200, "200 mm", 1.05},
}};
inline constexpr std::string_view kSpecimenSizeClause = "GB/T 50081";

// Choosing the ratio from the strength line, and the density correction.
inline constexpr std::string_view kRatioChoiceClause = "JGJ 55-2011 第 6.2 节";
inline constexpr double kDensityTolerancePercent = 2;
inline constexpr std::string_view kDensityClause = "JGJ 55-2011 第 6.2 节";

} // namespace mixora::trial
