// Step 7: the water content, from table 5.2.1-2 for the slump and the coarse aggregate, less
// what the water reducer saves.
#include "derivation.h"
#include "design_steps.h"
#include "input_ranges.h"

#include <cmath>

namespace mixora::jgj55 {
namespace {

std::string SandHint(SandFineness sand) {
    for (const SandWaterHint& hint : kSandWaterHint.rows) {
        if (hint.sand != sand) continue;
        const std::string change = hint.low > 0 ? "增加 " + Num(hint.low) + "～" + Num(hint.high)
                                                : "减少 " + Num(-hint.high) + "～" + Num(-hint.low);
        return std::string(NameOf(sand)) + "：用水量可" + change + " kg（" +
               std::string(kSandWaterHint.source) + "），未自动调整";
    }
    return {};
}

// The table's column for the aggregate, or two of them and how far between (linearly by size).
struct WaterColumn {
    std::size_t below = 0;
    std::size_t above = 0;
    double fraction = 0;
    std::string_view source;
    double Read(const WaterRow& row) const {
        return row.water[below] + fraction * (row.water[above] - row.water[below]);
    }
};

std::optional<WaterColumn> WaterColumnOf(CoarseKind coarse, MaxSize size) {
    if (const auto column = ColumnOf(kWaterColumns, coarse, size))
        return WaterColumn{*column, *column, 0.0, kWaterTable.source};
    for (const InterpolatedColumn& between : kWaterInterpolatedSizes) {
        if (between.size != size) continue;
        const auto below = ColumnOf(kWaterColumns, coarse, between.below);
        const auto above = ColumnOf(kWaterColumns, coarse, between.above);
        if (!below || !above) return std::nullopt;
        const double low = MaxSizeMm(between.below);
        return WaterColumn{*below, *above,
                           (MaxSizeMm(size) - low) / (MaxSizeMm(between.above) - low),
                           between.source};
    }
    return std::nullopt;
}

void DeriveTableWater(const Inputs& inputs, Result& result) {
    constexpr Quantity kQuantity = Quantity::WaterBeforeReducer;
    const std::optional<double> table_water_binder =
        TableWaterBinder(inputs, result, kQuantity, "用水量");
    if (!table_water_binder) return;
    const double water_binder = *table_water_binder;
    if (water_binder < kWaterTableWaterBinder.low || water_binder > kWaterTableWaterBinder.high) {
        SetUnavailable(result, kQuantity,
                       "由试验确定：水胶比 " + result[Quantity::WaterBinder].text + " 不在 " +
                           Num(kWaterTableWaterBinder.low, 2) + "～" +
                           Num(kWaterTableWaterBinder.high, 2) + " 之间（" +
                           std::string(kWaterTableWaterBinder.source) + "），请给定用水量");
        return;
    }
    const std::optional<WaterColumn> column = WaterColumnOf(inputs.coarse, inputs.max_size);
    if (!column) {
        SetUnavailable(result, kQuantity,
                       std::string(kWaterTable.source) + " 中没有" +
                           std::string(NameOf(inputs.coarse)) + "最大公称粒径 " +
                           std::string(NameOf(inputs.max_size)) + " 一栏，请给定用水量");
        return;
    }
    const std::string at = std::string(column->source) + "（" + std::string(NameOf(inputs.coarse)) +
                           " " + std::string(NameOf(inputs.max_size)) + "，坍落度 ";
    const std::string hint = SandHint(inputs.sand);
    for (const WaterRow& row : kWaterTable.rows) {
        if (inputs.slump <= row.max_slump) {
            SetComputed(result, kQuantity, column->Read(row),
                        at + Num(row.min_slump) + "～" + Num(row.max_slump) + " mm）", hint);
            return;
        }
    }
    const WaterRow& last = kWaterTable.rows.back();
    const double extra =
        (inputs.slump - last.max_slump) / kWaterSlumpStep.value * kWaterPerSlumpStep.value;
    SetComputed(result, kQuantity, column->Read(last) + extra,
                at + Num(last.max_slump) + " mm 为基础，每增大 " + Num(kWaterSlumpStep.value) +
                    " mm 加 " + Num(kWaterPerSlumpStep.value) + " kg，" +
                    std::string(kWaterSlumpStep.source) + "）",
                hint);
}

} // namespace

std::string SlumpProblem(double slump) {
    if (std::isfinite(slump) && slump >= 0.0) return {};
    return "坍落度须为不小于 0 的数";
}

std::optional<double> TableWaterBinder(const Inputs& inputs, Result& result, Quantity quantity,
                                       std::string_view give) {
    if (const std::string problem = SlumpProblem(inputs.slump); !problem.empty()) {
        SetUnavailable(result, quantity, problem);
        return std::nullopt;
    }
    if (inputs.slump < kTableMinSlump.value) {
        SetUnavailable(result, quantity,
                       "由试验确定：坍落度小于 " + Num(kTableMinSlump.value) + " mm（" +
                           std::string(kTableMinSlump.source) + "），请给定" + std::string(give));
        return std::nullopt;
    }
    Needs needs(result);
    const double water_binder = needs(Quantity::WaterBinder);
    if (needs.Missing()) {
        SetUnavailable(result, quantity, needs.Reason());
        return std::nullopt;
    }
    return water_binder;
}

void DeriveWater(const Inputs& inputs, Result& result) {
    if (TakeGiven(result, Quantity::Water, inputs.water)) {
        SetNotNeeded(result, Quantity::WaterBeforeReducer, "已给定用水量 mw0");
        return;
    }
    if (IsHighStrength(inputs.grade) && !inputs.water_before_reducer) {
        // mw0 = mb0 × W/B once the binder is chosen (step 8).
        SetNotNeeded(result, Quantity::WaterBeforeReducer,
                     "高强混凝土：mw0 = mb0 × W/B（" + std::string(kHighStrengthMix.source) +
                         "），不需要" + std::string(kWaterTable.source));
        return;
    }
    if (!TakeGiven(result, Quantity::WaterBeforeReducer, inputs.water_before_reducer))
        DeriveTableWater(inputs, result);

    const double beta = inputs.water_reduction;
    if (!kReductionRange.Holds(beta)) {
        SetUnavailable(result, Quantity::Water, "外加剂减水率 β " + RangeRule(kReductionRange));
        return;
    }
    Needs needs(result);
    const double before = needs(Quantity::WaterBeforeReducer);
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::Water, needs.Reason());
        return;
    }
    SetComputed(result, Quantity::Water, before * (1.0 - beta / 100.0),
                std::string(kWaterReducerFormulaSource) + "（β = " + Num(beta) + " %）");
}

} // namespace mixora::jgj55
