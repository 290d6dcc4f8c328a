#include "choices.h"

#include "jgj55_2011.h"

namespace mixora::jgj55 {
namespace {

using standards::jgj55_2011::kWaterColumns;

constexpr std::array<std::string_view, 14> kGradeNames = {"C15", "C20", "C25", "C30", "C35",
                                                          "C40", "C45", "C50", "C55", "C60",
                                                          "C65", "C70", "C75", "C80"};
static_assert(kGradeNames.size() == kGradeCount);

using standards::jgj55_2011::kWaterInterpolatedSizes;

// The sizes a kind of coarse aggregate offers: its columns of the water table (表 5.2.1-2) and
// the sizes read between two of them, smallest first.
constexpr std::size_t kSizesPerKind = 5;
constexpr std::array<MaxSize, kSizesPerKind> SizesOf(CoarseKind kind) {
    std::array<MaxSize, kSizesPerKind> sizes{};
    std::size_t count = 0;
    for (const auto& column : kWaterColumns)
        if (column.coarse == kind) sizes[count++] = column.size;
    for (const auto& between : kWaterInterpolatedSizes)
        sizes[count++] = between.size;
    for (std::size_t i = 1; i < count; ++i) // insertion sort by size: constexpr
        for (std::size_t k = i; k > 0 && MaxSizeMm(sizes[k]) < MaxSizeMm(sizes[k - 1]); --k) {
            const MaxSize swap = sizes[k];
            sizes[k] = sizes[k - 1];
            sizes[k - 1] = swap;
        }
    return sizes;
}
constexpr std::size_t SizeCount(CoarseKind kind) {
    std::size_t count = kWaterInterpolatedSizes.size();
    for (const auto& column : kWaterColumns)
        count += column.coarse == kind ? 1 : 0;
    return count;
}
static_assert(SizeCount(CoarseKind::Gravel) == kSizesPerKind &&
              SizeCount(CoarseKind::Crushed) == kSizesPerKind);
constexpr std::array<MaxSize, kSizesPerKind> kGravelSizes = SizesOf(CoarseKind::Gravel);
constexpr std::array<MaxSize, kSizesPerKind> kCrushedSizes = SizesOf(CoarseKind::Crushed);

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
