#include "choices.h"

namespace mixora::jgj55 {
namespace {

constexpr std::array<std::string_view, 14> kGradeNames = {"C15", "C20", "C25", "C30", "C35",
                                                          "C40", "C45", "C50", "C55", "C60",
                                                          "C65", "C70", "C75", "C80"};
static_assert(kGradeNames.size() == kGradeCount);

struct SizeMm {
    MaxSize size;
    double mm;
};
constexpr std::array<SizeMm, 5> kSizeMm = {{
    {MaxSize::Mm10, 10.0},
    {MaxSize::Mm16, 16.0},
    {MaxSize::Mm20, 20.0},
    {MaxSize::Mm31_5, 31.5},
    {MaxSize::Mm40, 40.0},
}};

constexpr std::array<MaxSize, 4> kGravelSizes = {MaxSize::Mm10, MaxSize::Mm20, MaxSize::Mm31_5,
                                                 MaxSize::Mm40};
constexpr std::array<MaxSize, 4> kCrushedSizes = {MaxSize::Mm16, MaxSize::Mm20, MaxSize::Mm31_5,
                                                  MaxSize::Mm40};

} // namespace

bool IsOfferedGrade(int grade) {
    return grade >= kLowestGrade && grade <= kHighestGrade &&
           (grade - kLowestGrade) % kGradeStep == 0;
}

std::string_view GradeName(int grade) {
    if (!IsOfferedGrade(grade)) return {};
    return kGradeNames[static_cast<std::size_t>((grade - kLowestGrade) / kGradeStep)];
}

double MaxSizeMm(MaxSize size) {
    for (const auto& row : kSizeMm)
        if (row.size == size) return row.mm;
    return 0.0;
}

std::span<const MaxSize> MaxSizesOf(CoarseKind kind) {
    if (kind == CoarseKind::Gravel) return kGravelSizes;
    return kCrushedSizes;
}

} // namespace mixora::jgj55
