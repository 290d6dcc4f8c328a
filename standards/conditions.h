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
// The special requirements an order may carry (JGJ 55-2011 chapter 7) and the exposures the
// chloride and air-content limits are read by (JGJ 55-2011 表 3.0.6, 表 3.0.7).
enum class ImpermeabilityGrade { None, P6, P8, P10, P12, AboveP12 };
enum class FrostGrade { None, F50, F100, F150Up };
enum class ChlorideEnvironment { Dry, Moist, Chloride, Deicing };
enum class AirExposure { None, Moist, SaltFrost };

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

inline constexpr std::array<Choice<ImpermeabilityGrade>, 6> kImpermeabilityGrades = {{
    {ImpermeabilityGrade::None, "none", "无"},
    {ImpermeabilityGrade::P6, "P6", "P6"},
    {ImpermeabilityGrade::P8, "P8", "P8"},
    {ImpermeabilityGrade::P10, "P10", "P10"},
    {ImpermeabilityGrade::P12, "P12", "P12"},
    {ImpermeabilityGrade::AboveP12, "above_P12", "P12 以上"},
}};
inline constexpr std::array<Choice<FrostGrade>, 4> kFrostGrades = {{
    {FrostGrade::None, "none", "无"},
    {FrostGrade::F50, "F50", "F50"},
    {FrostGrade::F100, "F100", "F100"},
    {FrostGrade::F150Up, "F150_up", "F150 及以上"},
}};
inline constexpr std::array<Choice<ChlorideEnvironment>, 4> kChlorideEnvironments = {{
    {ChlorideEnvironment::Dry, "dry", "干燥环境"},
    {ChlorideEnvironment::Moist, "moist", "潮湿但不含氯离子的环境"},
    {ChlorideEnvironment::Chloride, "chloride", "潮湿且含有氯离子的环境、盐渍土环境"},
    {ChlorideEnvironment::Deicing, "deicing", "除冰盐等侵蚀性物质的腐蚀环境"},
}};
inline constexpr std::array<Choice<AirExposure>, 3> kAirExposures = {{
    {AirExposure::None, "none", "无"},
    {AirExposure::Moist, "moist", "潮湿或水位变动的寒冷和严寒环境"},
    {AirExposure::SaltFrost, "salt_frost", "盐冻环境"},
}};

inline constexpr std::span<const Choice<EnvironmentClass>> ChoicesOf(EnvironmentClass) {
    return kEnvironmentClasses;
}
inline constexpr std::span<const Choice<StructureType>> ChoicesOf(StructureType) {
    return kStructureTypes;
}
inline constexpr std::span<const Choice<ImpermeabilityGrade>> ChoicesOf(ImpermeabilityGrade) {
    return kImpermeabilityGrades;
}
inline constexpr std::span<const Choice<FrostGrade>> ChoicesOf(FrostGrade) {
    return kFrostGrades;
}
inline constexpr std::span<const Choice<ChlorideEnvironment>> ChoicesOf(ChlorideEnvironment) {
    return kChlorideEnvironments;
}
inline constexpr std::span<const Choice<AirExposure>> ChoicesOf(AirExposure) {
    return kAirExposures;
}

} // namespace mixora::standards
