#pragma once
// Stage 3, 强度结果: each strength mix's group of three cubes and its value by the rule of
// GB/T 50081, to 0.1 MPa, converted to the 150 mm cube.
#include "computed.h"
#include "strength_mixes.h"
#include "trial_entries.h"

#include <array>
#include <optional>
#include <string>

namespace mixora::trial {

enum class GroupRule {
    Mean,    // the mean of three
    Middle,  // one outer value lies more than 15 % from the middle one
    Invalid, // both do
};

struct GroupValue {
    GroupRule rule = GroupRule::Mean;
    double value = 0;   // to 0.1 MPa (none when Invalid)
    std::string reason; // why the middle one or why invalid; empty for the mean
};

// The group's value from three cube strengths (any order).
GroupValue ValueOfGroup(const std::array<double, 3>& strengths);

const SpecimenSizeRow& SizeRow(SpecimenSize size);

struct GroupResult {
    double water_binder = 0;
    double binder_water = 0; // 1 ÷ W/B to 0.001, the value plotted
    std::array<double, 3> strengths{};
    GroupValue group;
    double converted = 0;          // group.value × size factor, to 0.1 MPa
    std::optional<double> density; // kg/m³, when measured

    bool valid() const { return group.rule != GroupRule::Invalid; }
};

struct StrengthResults {
    SpecimenSize specimen = SpecimenSize::Mm150;
    double age_days = 28;
    std::array<Computed<GroupResult>, 3> groups; // lacking: what of that group is missing
    // Whether anything of a group was entered (its reasons are worth showing at once).
    std::array<bool, 3> entered{};
    // What is wrong with each entry typed that does not read ("46,5", a value out of range): a
    // group so entered is not one left out, and the trial waits until it reads or is cleared.
    std::vector<std::string> unread;
};

Computed<StrengthResults> ComputeStrengthResults(const Computed<StrengthMixes>& mixes,
                                                 const StrengthEntry& entry);

} // namespace mixora::trial
