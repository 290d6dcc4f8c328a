#pragma once
// What the user chooses from a list in a JGJ 55-2011 design, with the Chinese name a combo box
// shows and the key a file stores (ASCII, never changing with the wording).
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace mixora::jgj55 {

template <class E> struct Choice {
    E value;
    std::string_view key;  // stored in files
    std::string_view name; // shown
};

enum class CementKind { Portland, OrdinaryPortland };
enum class CementGrade { G32_5, G42_5, G52_5 };
enum class FlyAshGrade { I, II, III };
enum class SlagGrade { S75, S95, S105 };
enum class CoarseKind { Gravel, Crushed }; // 卵石, 碎石
enum class MaxSize { Mm10, Mm16, Mm20, Mm31_5, Mm40 };
enum class SandFineness { Fine, Medium, Coarse };
enum class EnvironmentClass { One, TwoA, TwoB, ThreeA, ThreeB };
enum class StructureType { Plain, Reinforced, Prestressed };
enum class Method { Volume, Mass };

inline constexpr std::array<Choice<CementKind>, 2> kCementKinds = {{
    {CementKind::Portland, "P.I/P.II", "硅酸盐水泥 P·I/P·II"},
    {CementKind::OrdinaryPortland, "P.O", "普通硅酸盐水泥 P·O"},
}};
inline constexpr std::array<Choice<CementGrade>, 3> kCementGrades = {{
    {CementGrade::G32_5, "32.5", "32.5"},
    {CementGrade::G42_5, "42.5", "42.5"},
    {CementGrade::G52_5, "52.5", "52.5"},
}};
inline constexpr std::array<Choice<FlyAshGrade>, 3> kFlyAshGrades = {{
    {FlyAshGrade::I, "I", "Ⅰ级"},
    {FlyAshGrade::II, "II", "Ⅱ级"},
    {FlyAshGrade::III, "III", "Ⅲ级"},
}};
inline constexpr std::array<Choice<SlagGrade>, 3> kSlagGrades = {{
    {SlagGrade::S75, "S75", "S75"},
    {SlagGrade::S95, "S95", "S95"},
    {SlagGrade::S105, "S105", "S105"},
}};
inline constexpr std::array<Choice<CoarseKind>, 2> kCoarseKinds = {{
    {CoarseKind::Gravel, "gravel", "卵石"},
    {CoarseKind::Crushed, "crushed", "碎石"},
}};
// Every size; the sizes a kind offers are MaxSizesOf(kind).
inline constexpr std::array<Choice<MaxSize>, 5> kMaxSizes = {{
    {MaxSize::Mm10, "10", "10 mm"},
    {MaxSize::Mm16, "16", "16 mm"},
    {MaxSize::Mm20, "20", "20 mm"},
    {MaxSize::Mm31_5, "31.5", "31.5 mm"},
    {MaxSize::Mm40, "40", "40 mm"},
}};
inline constexpr std::array<Choice<SandFineness>, 3> kSandFinenesses = {{
    {SandFineness::Fine, "fine", "细砂"},
    {SandFineness::Medium, "medium", "中砂"},
    {SandFineness::Coarse, "coarse", "粗砂"},
}};
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

// The choices of one kind, for combo boxes and files.
inline constexpr std::span<const Choice<CementKind>> ChoicesOf(CementKind) {
    return kCementKinds;
}
inline constexpr std::span<const Choice<CementGrade>> ChoicesOf(CementGrade) {
    return kCementGrades;
}
inline constexpr std::span<const Choice<FlyAshGrade>> ChoicesOf(FlyAshGrade) {
    return kFlyAshGrades;
}
inline constexpr std::span<const Choice<SlagGrade>> ChoicesOf(SlagGrade) {
    return kSlagGrades;
}
inline constexpr std::span<const Choice<CoarseKind>> ChoicesOf(CoarseKind) {
    return kCoarseKinds;
}
inline constexpr std::span<const Choice<MaxSize>> ChoicesOf(MaxSize) {
    return kMaxSizes;
}
inline constexpr std::span<const Choice<SandFineness>> ChoicesOf(SandFineness) {
    return kSandFinenesses;
}
inline constexpr std::span<const Choice<EnvironmentClass>> ChoicesOf(EnvironmentClass) {
    return kEnvironmentClasses;
}
inline constexpr std::span<const Choice<StructureType>> ChoicesOf(StructureType) {
    return kStructureTypes;
}
inline constexpr std::span<const Choice<Method>> ChoicesOf(Method) {
    return kMethods;
}

// The shown name of a choice ("碎石"); empty for a value outside its enum.
template <class E> constexpr std::string_view NameOf(E value) {
    for (const auto& choice : ChoicesOf(value))
        if (choice.value == value) return choice.name;
    return {};
}
// The stored key of a choice ("crushed").
template <class E> constexpr std::string_view KeyOf(E value) {
    for (const auto& choice : ChoicesOf(value))
        if (choice.value == value) return choice.key;
    return {};
}
// The choice a stored key names, if any.
template <class E> constexpr std::optional<E> FromKey(std::string_view key) {
    for (const auto& choice : ChoicesOf(E{}))
        if (choice.key == key) return choice.value;
    return std::nullopt;
}

// The nominal size in mm (31.5 for Mm31_5).
double MaxSizeMm(MaxSize size);
// The sizes the water and sand-ratio tables give for a kind of coarse aggregate.
std::span<const MaxSize> MaxSizesOf(CoarseKind kind);

} // namespace mixora::jgj55
