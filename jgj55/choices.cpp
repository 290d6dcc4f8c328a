#include "choices.h"

#include "jgj55_2011.h"

namespace mixora::jgj55 {
namespace {

using standards::jgj55_2011::kWaterColumns;

constexpr std::array<std::string_view, 14> kGradeNames = {"C15", "C20", "C25", "C30", "C35",
                                                          "C40", "C45", "C50", "C55", "C60",
                                                          "C65", "C70", "C75", "C80"};
static_assert(kGradeNames.size() == kGradeCount);

// The sizes a kind of coarse aggregate offers: its columns of the water table (表 5.2.1-2).
constexpr std::size_t SizeCount(CoarseKind kind) {
    std::size_t count = 0;
    for (const auto& column : kWaterColumns)
        count += column.coarse == kind ? 1 : 0;
    return count;
}
static_assert(SizeCount(CoarseKind::Gravel) == 4 && SizeCount(CoarseKind::Crushed) == 4);
constexpr std::array<MaxSize, 4> SizesOf(CoarseKind kind) {
    std::array<MaxSize, 4> sizes{};
    std::size_t count = 0;
    for (const auto& column : kWaterColumns)
        if (column.coarse == kind) sizes[count++] = column.size;
    return sizes;
}
constexpr std::array<MaxSize, 4> kGravelSizes = SizesOf(CoarseKind::Gravel);
constexpr std::array<MaxSize, 4> kCrushedSizes = SizesOf(CoarseKind::Crushed);

} // namespace

bool IsOfferedGrade(int grade) {
    return grade >= kLowestGrade && grade <= kHighestGrade &&
           (grade - kLowestGrade) % kGradeStep == 0;
}

std::string_view GradeName(int grade) {
    if (!IsOfferedGrade(grade)) return {};
    return kGradeNames[static_cast<std::size_t>((grade - kLowestGrade) / kGradeStep)];
}

std::span<const MaxSize> MaxSizesOf(CoarseKind kind) {
    if (kind == CoarseKind::Gravel) return kGravelSizes;
    return kCrushedSizes;
}

} // namespace mixora::jgj55
