#pragma once
// GB 50010-2010《混凝土结构设计规范》: what the designs check a mix against. Clauses are written
// as the standard numbers them; Cited(kName, …) adds the standard's name.
#include "conditions.h"
#include "table.h"

#include <string_view>

namespace mixora::standards::gb50010_2010 {

inline constexpr std::string_view kName = "GB 50010-2010";
inline constexpr std::string_view kTitle = "《混凝土结构设计规范》";

// Durability by environment class, in the order of kEnvironmentClasses: the largest
// water–binder ratio and the lowest strength grade (C20 as 20).
struct EnvironmentRow {
    EnvironmentClass environment;
    Limit max_water_binder;
    int min_grade;
};
inline constexpr Table<EnvironmentRow, 5> kEnvironmentLimits = {
    "表 3.5.3",
    {{{EnvironmentClass::One, {"0.60", 0.60}, 20},
      {EnvironmentClass::TwoA, {"0.55", 0.55}, 25},
      {EnvironmentClass::TwoB, {"0.50", 0.50}, 30},
      {EnvironmentClass::ThreeA, {"0.45", 0.45}, 35},
      {EnvironmentClass::ThreeB, {"0.40", 0.40}, 40}}}};

} // namespace mixora::standards::gb50010_2010
