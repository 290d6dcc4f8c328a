#pragma once
// What the user chooses from a list in a JGJ 55-2011 design, with the Chinese name a combo box
// shows and the key a file stores (ASCII, never changing with the wording): the standards'
// choices (standards/conditions.h, standards/materials.h), the method and the grades offered.
#include "conditions.h"
#include "materials.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace mixora::jgj55 {

// The materials and conditions are the standards' own choices; the design speaks of them by
// their names here.
using standards::CementGrade;
using standards::CementKind;
using standards::Choice;
using standards::ChoicesOf;
using standards::CoarseKind;
using standards::EnvironmentClass;
using standards::FlyAshGrade;
using standards::FromKey;
using standards::kCementGrades;
using standards::kCementKinds;
using standards::kCoarseKinds;
using standards::kEnvironmentClasses;
using standards::KeyOf;
using standards::kFlyAshGrades;
using standards::kMaxSizes;
using standards::kSandFinenesses;
using standards::kSlagGrades;
using standards::kStructureTypes;
using standards::MaxSize;
using standards::MaxSizeMm;
using standards::NameOf;
using standards::SandFineness;
using standards::SlagGrade;
using standards::StructureType;

enum class Method { Volume, Mass };

inline constexpr std::array<Choice<Method>, 2> kMethods = {{
    {Method::Volume, "volume", "体积法"},
    {Method::Mass, "mass", "质量法"},
}};

// The strength grades offered, fcu,k in MPa (C15 … C80 in steps of 5).
inline constexpr int kLowestGrade = 15;
inline constexpr int kHighestGrade = 80;
inline constexpr int kGradeStep = 5;
inline constexpr std::size_t kGradeCount =
    static_cast<std::size_t>((kHighestGrade - kLowestGrade) / kGradeStep + 1);
// The grades in order, for a combo box: 15, 20, … 80.
inline constexpr std::array<int, kGradeCount> kStrengthGrades = [] {
    std::array<int, kGradeCount> grades{};
    for (std::size_t i = 0; i < kGradeCount; ++i)
        grades[i] = kLowestGrade + static_cast<int>(i) * kGradeStep;
    return grades;
}();
bool IsOfferedGrade(int grade);
// "C30".
std::string_view GradeName(int grade);

// The choices of the design's own kind, for combo boxes and files.
inline constexpr std::span<const Choice<Method>> ChoicesOf(Method) {
    return kMethods;
}

// The sizes the water and sand-ratio tables give for a kind of coarse aggregate.
std::span<const MaxSize> MaxSizesOf(CoarseKind kind);

} // namespace mixora::jgj55
