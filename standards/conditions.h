#pragma once
// What a structure's concrete is designed for: the environment class of GB 50010-2010 (whose
// limits gb50010_2010.h holds) and the kind of structure, which the tables of JGJ 55-2011 are
// read by. One vocabulary for every design, report and file.
#include "choice.h"

#include <array>
#include <span>

namespace mixora::standards {

enum class EnvironmentClass { One, TwoA, TwoB, ThreeA, ThreeB };
enum class StructureType { Plain, Reinforced, Prestressed };

inline constexpr std::array<Choice<EnvironmentClass>, 5> kEnvironmentClasses = {{
    {EnvironmentClass::One, "1", "一"},
    {EnvironmentClass::TwoA, "2a", "二a"},
    {EnvironmentClass::TwoB, "2b", "二b"},
    {EnvironmentClass::ThreeA, "3a", "三a"},
    {EnvironmentClass::ThreeB, "3b", "三b"},
}};
inline constexpr std::array<Choice<StructureType>, 3> kStructureTypes = {{
    {StructureType::Plain, "plain", "素混凝土"},
    {StructureType::Reinforced, "reinforced", "钢筋混凝土"},
    {StructureType::Prestressed, "prestressed", "预应力混凝土"},
}};

inline constexpr std::span<const Choice<EnvironmentClass>> ChoicesOf(EnvironmentClass) {
    return kEnvironmentClasses;
}
inline constexpr std::span<const Choice<StructureType>> ChoicesOf(StructureType) {
    return kStructureTypes;
}

} // namespace mixora::standards
