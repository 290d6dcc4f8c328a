// Step 8: the binder content (at least the least one), its parts and the admixture.
#include "derivation.h"
#include "design_steps.h"
#include "input_ranges.h"

#include <cmath>

namespace mixora::jgj55 {
namespace {

std::size_t StructureColumn(StructureType structure) {
    for (std::size_t i = 0; i < kStructureTypes.size(); ++i)
        if (kStructureTypes[i].value == structure) return i;
    return 0;
}

void DeriveMinimum(const Inputs& inputs, Result& result) {
    constexpr Quantity kQuantity = Quantity::BinderMinimum;
    if (!IsOfferedGrade(inputs.grade)) {
        SetUnavailable(result, kQuantity, GradeReason(inputs.grade));
        return;
    }
    if (inputs.grade <= kMinimumBinderExemptUpToGrade) {
        SetNotNeeded(result, kQuantity,
                     "C" + std::to_string(kMinimumBinderExemptUpToGrade) +
                         " 及以下不限最小胶凝材料用量（" + std::string(kMinimumBinder.source) +
                         "）");
        return;
    }
    Needs needs(result);
    const double water_binder = needs(Quantity::WaterBinder);
    if (needs.Missing()) {
        SetUnavailable(result, kQuantity, needs.Reason());
        return;
    }
    for (const MinimumBinderRow& row : kMinimumBinder.rows) {
        if (water_binder <= row.max_water_binder.value) {
            SetComputed(result, kQuantity, row.min_binder[StructureColumn(inputs.structure)].value,
                        std::string(kMinimumBinder.source) + "（" +
                            std::string(NameOf(inputs.structure)) + "，W/B ≤ " +
                            Num(row.max_water_binder.value, 2) + "）");
            return;
        }
    }
    SetNotNeeded(result, kQuantity,
                 "水胶比大于 " + Num(kMinimumBinder.rows.back().max_water_binder.value, 2) + "，" +
                     std::string(kMinimumBinder.source) + " 无最小用量");
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
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::Cement, needs.Reason());
        return;
    }
    const double cement = binder - fly_ash - slag;
    if (cement <= 0.0) {
        SetUnavailable(result, Quantity::Cement, "粉煤灰与矿粉掺量之和须小于 100 %");
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
    DeriveMineral(result, Quantity::FlyAsh, "粉煤灰掺量", inputs.fly_ash_share);
    DeriveMineral(result, Quantity::Slag, "矿粉掺量", inputs.slag_share);
    DeriveCement(result);
    DeriveAdmixture(inputs, result);
}

} // namespace mixora::jgj55
