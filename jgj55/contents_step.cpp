// Step 8: the binder content (at least the least one), its parts and the admixture.
#include "derivation.h"
#include "design_steps.h"
#include "requirement_rules.h"
#include "input_ranges.h"
#include "shown_value.h"

#include <cmath>

namespace mixora::jgj55 {
namespace {

std::size_t StructureColumn(StructureType structure) {
    for (std::size_t i = 0; i < kStructureTypes.size(); ++i)
        if (kStructureTypes[i].value == structure) return i;
    return 0;
}

// 表 3.0.4's least binder as a limit, or why it has none.
std::optional<RuleLimit> TableMinimum(const Inputs& inputs, Result& result, std::string& none) {
    constexpr Quantity kQuantity = Quantity::BinderMinimum;
    if (inputs.grade <= kMinimumBinderExemptUpToGrade) {
        none = "C" + std::to_string(kMinimumBinderExemptUpToGrade) +
               " 及以下不限最小胶凝材料用量（" + std::string(kMinimumBinder.source) + "）";
        return std::nullopt;
    }
    Needs needs(result);
    const double water_binder = needs(Quantity::WaterBinder);
    if (needs.Missing()) {
        SetUnavailable(result, kQuantity, needs.Reason());
        return std::nullopt;
    }
    for (const MinimumBinderRow& row : kMinimumBinder.rows) {
        if (water_binder <= row.max_water_binder.value)
            return RuleLimit{row.min_binder[StructureColumn(inputs.structure)],
                             std::string(kMinimumBinder.source) + "（" +
                                 std::string(NameOf(inputs.structure)) + "，W/B ≤ " +
                                 Num(row.max_water_binder.value, 2) + "）"};
    }
    none = "水胶比大于 " + Num(kMinimumBinder.rows.back().max_water_binder.value, 2) + "，" +
           std::string(kMinimumBinder.source) + " 无最小用量";
    return std::nullopt;
}

void DeriveMinimum(const Inputs& inputs, Result& result) {
    constexpr Quantity kQuantity = Quantity::BinderMinimum;
    if (!IsOfferedGrade(inputs.grade)) {
        SetUnavailable(result, kQuantity, GradeReason(inputs.grade));
        return;
    }
    std::string none;
    const std::optional<RuleLimit> table = TableMinimum(inputs, result, none);
    if (!table && none.empty()) return; // waiting on W/B, said
    std::vector<RuleLimit> limits = RequirementMinBinder(inputs);
    if (table) limits.insert(limits.begin(), *table);
    const RuleLimit* governing = Governing(limits, true);
    if (governing == nullptr) {
        SetNotNeeded(result, kQuantity, none);
        return;
    }
    std::string note = GoverningNote(limits, *governing, " kg");
    if (!table) note = (note.empty() ? "" : note + "；") + none;
    SetComputed(result, kQuantity, governing->limit.value, governing->source, note);
}

// From C60 the binder is chosen within 表 7.3.2 (the middle, or the user's) unless the user
// gave mw0 or mw0′, and the water follows from it.
void DeriveHighStrengthBinder(const Inputs& inputs, Result& result) {
    SetNotNeeded(result, Quantity::BinderByWater,
                 "高强混凝土：胶凝材料用量按" + std::string(kHighStrengthMix.source) + "选取");
    const HighStrengthRow* row = HighStrengthRowFor(inputs.grade);
    Needs needs(result);
    const double water_binder = needs(Quantity::WaterBinder);
    const Parameter& minimum = result[Quantity::BinderMinimum];
    const double least = minimum.origin == Origin::NotNeeded ? 0.0 : needs(Quantity::BinderMinimum);
    if (row == nullptr || needs.Missing()) {
        const std::string reason = row == nullptr ? GradeReason(inputs.grade) : needs.Reason();
        SetUnavailable(result, Quantity::Binder, reason);
        SetUnavailable(result, Quantity::Water, reason);
        return;
    }
    if (!TakeGiven(result, Quantity::Binder, inputs.binder))
        SetComputed(result, Quantity::Binder,
                    (row->binder_low.value + row->binder_high.value) / 2.0,
                    TrialRangeSource(row->binder_low, row->binder_high, " kg/m³"));
    const Parameter& binder = result[Quantity::Binder];
    if (binder.value && *binder.value < least)
        SetComputed(result, Quantity::Binder, least, minimum.source,
                    "最小胶凝材料用量起控制作用：" + binder.text + " kg 小于 " + minimum.text +
                        " kg");
    Needs for_water(result);
    const double mb0 = for_water(Quantity::Binder);
    if (for_water.Missing()) {
        SetUnavailable(result, Quantity::Water, for_water.Reason());
        return;
    }
    SetComputed(result, Quantity::Water, mb0 * water_binder,
                "mw0 = mb0 × W/B（" + std::string(kHighStrengthMix.source) + "）");
}

void DeriveBinder(Result& result) {
    Needs needs(result);
    const double by_water = needs(Quantity::BinderByWater);
    const Parameter& minimum = result[Quantity::BinderMinimum];
    const double least = minimum.origin == Origin::NotNeeded ? 0.0 : needs(Quantity::BinderMinimum);
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::Binder, needs.Reason());
        return;
    }
    if (by_water < least) {
        SetComputed(result, Quantity::Binder, least, minimum.source,
                    "最小胶凝材料用量起控制作用：计算值 " + result[Quantity::BinderByWater].text +
                        " kg 小于 " + minimum.text + " kg");
        return;
    }
    SetComputed(result, Quantity::Binder, by_water, std::string(kBinderFormulaSource));
}

void DeriveMineral(Result& result, Quantity quantity, std::string_view what, double share) {
    if (const std::string problem = ShareProblem(what, share); !problem.empty()) {
        SetUnavailable(result, quantity, problem);
        return;
    }
    Needs needs(result);
    const double binder = needs(Quantity::Binder);
    if (needs.Missing()) {
        SetUnavailable(result, quantity, needs.Reason());
        return;
    }
    SetComputed(result, quantity, binder * share / 100.0,
                std::string(kMineralFormulaSource) + "（" + std::string(what) + " " + Num(share) +
                    " %）");
}

void DeriveCement(Result& result) {
    Needs needs(result);
    const double binder = needs(Quantity::Binder);
    const double fly_ash = needs(Quantity::FlyAsh);
    const double slag = needs(Quantity::Slag);
    const double silica_fume = needs(Quantity::SilicaFume);
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::Cement, needs.Reason());
        return;
    }
    const double cement = binder - fly_ash - slag - silica_fume;
    if (cement <= 0.0) {
        SetUnavailable(result, Quantity::Cement,
                       silica_fume > 0.0 ? "粉煤灰、矿粉与硅灰掺量之和须小于 100 %"
                                         : "粉煤灰与矿粉掺量之和须小于 100 %");
        return;
    }
    SetComputed(result, Quantity::Cement, cement, std::string(kCementFormulaSource));
}

void DeriveAdmixture(const Inputs& inputs, Result& result) {
    const double dosage = inputs.admixture_dosage;
    if (!kDosageRange.Holds(dosage)) {
        SetUnavailable(result, Quantity::Admixture, "外加剂掺量" + RangeRule(kDosageRange));
        return;
    }
    Needs needs(result);
    const double binder = needs(Quantity::Binder);
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::Admixture, needs.Reason());
        return;
    }
    SetComputed(result, Quantity::Admixture, binder * dosage / 100.0,
                std::string(kAdmixtureFormulaSource) + "（βa = " + Num(dosage) + " %）");
}

} // namespace

void DeriveContents(const Inputs& inputs, Result& result) {
    if (IsHighStrength(inputs.grade) && !inputs.water && !inputs.water_before_reducer) {
        DeriveMinimum(inputs, result);
        DeriveHighStrengthBinder(inputs, result);
    } else {
        Needs needs(result);
        const double water = needs(Quantity::Water);
        const double water_binder = needs(Quantity::WaterBinder);
        if (needs.Missing())
            SetUnavailable(result, Quantity::BinderByWater, needs.Reason());
        else
            SetComputed(result, Quantity::BinderByWater, water / water_binder,
                        std::string(kBinderFormulaSource));
        DeriveMinimum(inputs, result);
        DeriveBinder(result);
        // A given mb0 is taken only where the design chooses it (表 7.3.2); here it follows
        // from the water, and the value not taken is said, never passed over in silence.
        if (Parameter& binder = result[Quantity::Binder]; inputs.binder && binder.value)
            binder.note = (binder.note.empty() ? "" : binder.note + "；") + "给定值 " +
                          FormatGiven(*inputs.binder, 0) + " 未采用：" +
                          (IsHighStrength(inputs.grade)
                               ? std::string("已给定用水量，mb0 = mw0 / (W/B)")
                               : "mb0 仅在 C" + std::to_string(kHighStrengthGrade) + " 及以上按" +
                                     std::string(kHighStrengthMix.source) + "给定");
    }
    DeriveMineral(result, Quantity::FlyAsh, "粉煤灰掺量", inputs.fly_ash_share);
    DeriveMineral(result, Quantity::Slag, "矿粉掺量", inputs.slag_share);
    DeriveMineral(result, Quantity::SilicaFume, "硅灰掺量", inputs.silica_fume_share);
    DeriveCement(result);
    DeriveAdmixture(inputs, result);
}

} // namespace mixora::jgj55
