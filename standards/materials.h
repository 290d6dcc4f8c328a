#pragma once
// The materials the tables of the standards are read by: cement kinds and grades, the grades of
// fly ash and ground slag, the kinds and nominal sizes of coarse aggregate and the fineness of
// sand, each with its name and stored key.
#include "choice.h"

#include <array>
#include <span>
#include <string_view>

namespace mixora::standards {

// Ground granulated blast-furnace slag: the standard's term, and the one short name every window
// and page uses for it after the materials' table has given the term.
inline constexpr std::string_view kSlagTerm = "粒化高炉矿渣粉";
inline constexpr std::string_view kSlagName = "矿粉";
// Silica fume, the third mineral admixture of high-strength concrete (JGJ 55-2011 第 7.3.2 条).
inline constexpr std::string_view kSilicaFumeName = "硅灰";

enum class CementKind { Portland, OrdinaryPortland };
enum class CementGrade { G32_5, G42_5, G52_5 };
enum class FlyAshGrade { I, II, III };
enum class SlagGrade { S75, S95, S105 };
enum class CoarseKind { Gravel, Crushed }; // 卵石, 碎石
enum class MaxSize { Mm10, Mm16, Mm20, Mm25, Mm31_5, Mm40 };
enum class SandFineness { Fine, Medium, Coarse };

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
inline constexpr std::array<Choice<MaxSize>, 6> kMaxSizes = {{
    {MaxSize::Mm10, "10", "10 mm"},
    {MaxSize::Mm16, "16", "16 mm"},
    {MaxSize::Mm20, "20", "20 mm"},
    {MaxSize::Mm25, "25", "25 mm"},
    {MaxSize::Mm31_5, "31.5", "31.5 mm"},
    {MaxSize::Mm40, "40", "40 mm"},
}};
inline constexpr std::array<Choice<SandFineness>, 3> kSandFinenesses = {{
    {SandFineness::Fine, "fine", "细砂"},
    {SandFineness::Medium, "medium", "中砂"},
    {SandFineness::Coarse, "coarse", "粗砂"},
}};

// The nominal size of a coarse aggregate in mm (31.5 for Mm31_5); 0 outside the enum.
struct SizeMm {
    MaxSize size;
    double mm;
};
inline constexpr std::array<SizeMm, 6> kSizeMm = {{
    {MaxSize::Mm10, 10.0},
    {MaxSize::Mm16, 16.0},
    {MaxSize::Mm20, 20.0},
    {MaxSize::Mm25, 25.0},
    {MaxSize::Mm31_5, 31.5},
    {MaxSize::Mm40, 40.0},
}};
constexpr double MaxSizeMm(MaxSize size) {
    for (const SizeMm& row : kSizeMm)
        if (row.size == size) return row.mm;
    return 0.0;
}

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

} // namespace mixora::standards
