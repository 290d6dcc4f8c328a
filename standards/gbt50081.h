#pragma once
// GB/T 50081, the test methods of concrete: how a group of cubes gives its strength, and the
// factors of the cubes that are not 150 mm. Cited by the standard alone.
#include "table.h"

#include <array>
#include <string_view>

namespace mixora::standards::gbt50081 {

inline constexpr std::string_view kName = "GB/T 50081";

// A group's strength: the mean of three, or the middle one when the largest or the smallest
// lies more than this share of the middle one away; both: the group is invalid.
inline constexpr double kGroupSpreadPercent = 15;

// The cube sizes and their factors to the 150 mm cube.
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

} // namespace mixora::standards::gbt50081
