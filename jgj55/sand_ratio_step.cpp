// Step 9: the sand ratio, the middle of table 5.4.2's range, interpolated by water–binder
// ratio (and for 31.5 mm by size), then raised for slumps above 60 mm.
#include "derivation.h"
#include "design_steps.h"

namespace mixora::jgj55 {
namespace {

double Middle(const SandRatioRow& row, std::size_t column) {
    return (row.ratio[column].low + row.ratio[column].high) / 2.0;
}

// The middle of the range at a row for the aggregate: one column, or between the 20 and
// 40 mm columns by size.
struct ColumnBlend {
    std::size_t first;
    std::size_t second;
    double fraction; // of the way from first to second
};

std::optional<ColumnBlend> BlendFor(CoarseKind coarse, MaxSize size) {
    if (const auto column = ColumnOf(kSandRatioColumns, coarse, size))
        return ColumnBlend{*column, *column, 0.0};
    const auto below = ColumnOf(kSandRatioColumns, coarse, MaxSize::Mm20);
    const auto above = ColumnOf(kSandRatioColumns, coarse, MaxSize::Mm40);
    const double mm = MaxSizeMm(size);
    const double below_mm = MaxSizeMm(MaxSize::Mm20);
    const double above_mm = MaxSizeMm(MaxSize::Mm40);
    if (!below || !above || mm <= below_mm || mm >= above_mm) return std::nullopt;
    return ColumnBlend{*below, *above, (mm - below_mm) / (above_mm - below_mm)};
}

double MiddleAt(const SandRatioRow& row, const ColumnBlend& blend) {
    const double first = Middle(row, blend.first);
    return first + blend.fraction * (Middle(row, blend.second) - first);
}

} // namespace

void DeriveSandRatio(const Inputs& inputs, Result& result) {
    constexpr Quantity kQuantity = Quantity::SandRatio;
    if (TakeGiven(result, kQuantity, inputs.sand_ratio, 100.0)) return;
    if (IsHighStrength(inputs.grade)) {
        SetComputed(
            result, kQuantity,
            (kHighStrengthSandRatio.low.value + kHighStrengthSandRatio.high.value) / 2.0,
            TrialRangeSource(kHighStrengthSandRatio.low, kHighStrengthSandRatio.high, " %"));
        return;
    }
    const std::optional<double> table_water_binder =
        TableWaterBinder(inputs, result, kQuantity, " βs");
    if (!table_water_binder) return;
    const double water_binder = *table_water_binder;
    const auto& rows = kSandRatioTable.rows;
    if (water_binder < rows.front().water_binder || water_binder > rows.back().water_binder) {
        SetUnavailable(result, kQuantity,
                       "由试验确定：水胶比 " + result[Quantity::WaterBinder].text + " 不在" +
                           std::string(kSandRatioTable.source) + " 的 " +
                           Num(rows.front().water_binder, 2) + "～" +
                           Num(rows.back().water_binder, 2) + " 之间，请给定 βs");
        return;
    }
    const auto blend = BlendFor(inputs.coarse, inputs.max_size);
    if (!blend) {
        SetUnavailable(result, kQuantity,
                       std::string(kSandRatioTable.source) + " 中没有" +
                           std::string(NameOf(inputs.coarse)) + "最大公称粒径 " +
                           std::string(NameOf(inputs.max_size)) + " 一栏，请给定 βs");
        return;
    }
    std::size_t upper = 1;
    while (upper + 1 < rows.size() && water_binder > rows[upper].water_binder)
        ++upper;
    const SandRatioRow& low_row = rows[upper - 1];
    const SandRatioRow& high_row = rows[upper];
    const double fraction =
        (water_binder - low_row.water_binder) / (high_row.water_binder - low_row.water_binder);
    const double low_middle = MiddleAt(low_row, *blend);
    double ratio = low_middle + fraction * (MiddleAt(high_row, *blend) - low_middle);

    // A size between the 20 and 40 mm columns (25, 31.5 mm) is read linearly by size between
    // them, which for 25 mm is also linear between 20 mm and 31.5 mm's own reading.
    const std::string between = blend->first == blend->second ? "" : "，20 与 40 mm 之间内插";
    std::string source = std::string(kSandRatioTable.source) + between + "（" +
                         std::string(NameOf(inputs.coarse)) + " " +
                         std::string(NameOf(inputs.max_size)) + "，W/B " +
                         result[Quantity::WaterBinder].text + "，取中值";
    if (inputs.slump > kSandRatioBaseSlump.value) {
        ratio += (inputs.slump - kSandRatioBaseSlump.value) / kSandRatioSlumpStep.value *
                 kSandRatioPerSlumpStep.value;
        source += "；坍落度 " + Num(inputs.slump) + " mm，自 " + Num(kSandRatioBaseSlump.value) +
                  " mm 起每增大 " + Num(kSandRatioSlumpStep.value) + " mm 加 " +
                  Num(kSandRatioPerSlumpStep.value) + " %，" +
                  std::string(kSandRatioBaseSlump.source);
    }
    SetComputed(result, kQuantity, ratio, source + "）");
}

} // namespace mixora::jgj55
