// Steps 3–5: the cement strength fce, the influence factors γf and γs of the mineral
// admixtures, and the binder strength fb.
#include "derivation.h"
#include "design_steps.h"
#include "input_ranges.h"

#include <cmath>
#include <functional>
#include <span>

namespace mixora::jgj55 {
namespace {

void DeriveCementStrength(const Inputs& inputs, Result& result) {
    if (TakeGiven(result, Quantity::CementStrength, inputs.cement_strength)) {
        SetNotNeeded(result, Quantity::CementSurplus, "已给定实测 fce，不需要 γc");
        return;
    }
    const CementSurplusRow* row = nullptr;
    for (const CementSurplusRow& candidate : kCementSurplus.rows)
        if (candidate.grade == inputs.cement_grade) row = &candidate;
    if (row == nullptr) {
        SetUnavailable(result, Quantity::CementSurplus, "未选择水泥强度等级");
        SetUnavailable(result, Quantity::CementStrength, "未选择水泥强度等级");
        return;
    }
    if (!TakeGiven(result, Quantity::CementSurplus, inputs.cement_surplus))
        SetComputed(result, Quantity::CementSurplus, row->gamma_c,
                    std::string(kCementSurplus.source) + "（" + Num(row->nominal_strength, 1) +
                        " 级）");
    Needs needs(result);
    const double gamma_c = needs(Quantity::CementSurplus);
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::CementStrength, needs.Reason());
        return;
    }
    SetComputed(result, Quantity::CementStrength, gamma_c * row->nominal_strength,
                std::string(kCementStrengthFormulaSource) +
                    "（fce,g = " + Num(row->nominal_strength, 1) + " MPa）");
}

// Which value of a row of table 5.1.3 a grade of admixture takes, and how that is said.
struct Pick {
    std::function<double(const InfluenceRow&)> value;
    std::string said; // "Ⅱ级取上限"
};

Pick PickOf(std::string name, RangePick pick) {
    switch (pick) {
    case RangePick::Lower:
        return {[](const InfluenceRow& row) { return row.low; }, name + "取下限"};
    case RangePick::Upper:
        return {[](const InfluenceRow& row) { return row.high; }, name + "取上限"};
    case RangePick::UpperPlusBonus: break;
    }
    return {[](const InfluenceRow& row) {
                return row.low == row.high ? row.high : row.high + kS105Bonus.value;
            },
            name + "取上限加 " + Num(kS105Bonus.value, 2) + "（" + std::string(kS105Bonus.source) +
                "）"};
}

// The grade's pick by the note of table 5.1.3; `otherwise` for a value outside its enum.
template <class Grade, std::size_t N>
Pick PickFor(const std::array<PickRow<Grade>, N>& picks, Grade grade, RangePick otherwise) {
    RangePick pick = otherwise;
    for (const PickRow<Grade>& row : picks)
        if (row.grade == grade) pick = row.pick;
    return PickOf(std::string(NameOf(grade)), pick);
}

// γf or γs from table 5.1.3 by the share: a row's value, or a straight line between two rows.
void DeriveInfluence(Result& result, Quantity quantity, std::string_view what, double share,
                     std::span<const InfluenceRow> rows, std::string_view source,
                     const Pick& pick) {
    if (const std::string problem = ShareProblem(what, share); !problem.empty()) {
        SetUnavailable(result, quantity, problem);
        return;
    }
    const std::string at = std::string(what) + " " + Num(share) + " %";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const InfluenceRow& row = rows[i];
        if (share == row.share) {
            const std::string said = row.low == row.high ? std::string() : "，" + pick.said;
            SetComputed(result, quantity, pick.value(row),
                        std::string(source) + "（" + at + said + "）");
            return;
        }
        if (i + 1 < rows.size() && share < rows[i + 1].share) {
            const InfluenceRow& next = rows[i + 1];
            const double fraction = (share - row.share) / (next.share - row.share);
            const double value = pick.value(row) + fraction * (pick.value(next) - pick.value(row));
            SetComputed(result, quantity, value,
                        std::string(source) + "（" + at + "，在 " + Num(row.share) + " % 与 " +
                            Num(next.share) + " % 间线性插值，" + pick.said + "）");
            return;
        }
    }
    SetUnavailable(result, quantity,
                   "由试验确定：" + std::string(what) + "超过 " + Num(rows.back().share) +
                       " %，请给定 " + std::string(InfoOf(quantity).symbol));
}

} // namespace

std::string ShareProblem(std::string_view what, double share) {
    if (kShareRange.Holds(share)) return {};
    return std::string(what) + RangeRule(kShareRange);
}

void DeriveBinderStrength(const Inputs& inputs, Result& result) {
    if (TakeGiven(result, Quantity::BinderStrength, inputs.binder_strength)) {
        const std::string reason = "已给定实测 fb，不需要";
        for (Quantity quantity : {Quantity::CementSurplus, Quantity::CementStrength,
                                  Quantity::FlyAshFactor, Quantity::SlagFactor})
            SetNotNeeded(result, quantity, reason + " " + std::string(InfoOf(quantity).symbol));
        return;
    }
    DeriveCementStrength(inputs, result);
    if (!TakeGiven(result, Quantity::FlyAshFactor, inputs.fly_ash_factor))
        DeriveInfluence(result, Quantity::FlyAshFactor, "粉煤灰掺量", inputs.fly_ash_share,
                        kFlyAshFactor.rows, kFlyAshFactor.source,
                        PickFor(kFlyAshPicks, inputs.fly_ash_grade, RangePick::Upper));
    if (!TakeGiven(result, Quantity::SlagFactor, inputs.slag_factor))
        DeriveInfluence(result, Quantity::SlagFactor, "矿粉掺量", inputs.slag_share,
                        kSlagFactor.rows, kSlagFactor.source,
                        PickFor(kSlagPicks, inputs.slag_grade, RangePick::UpperPlusBonus));

    // 表 5.1.3 has no factor for 硅灰: with it, fb is only measured (or given).
    if (inputs.silica_fume_share > 0.0) {
        SetUnavailable(result, Quantity::BinderStrength,
                       "请给定 fb（" + std::string(kFlyAshFactor.source) + " 无硅灰影响系数）");
        return;
    }
    Needs needs(result);
    const double gamma_f = needs(Quantity::FlyAshFactor);
    const double gamma_s = needs(Quantity::SlagFactor);
    const double fce = needs(Quantity::CementStrength);
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::BinderStrength, needs.Reason());
        return;
    }
    SetComputed(result, Quantity::BinderStrength, gamma_f * gamma_s * fce,
                std::string(kBinderStrengthFormulaSource));
}

} // namespace mixora::jgj55
