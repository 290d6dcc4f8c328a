// Step 12: the mix against the durability limits, the least binder content and the largest
// share of mineral admixtures. Shown only: a check never changes a value.
#include "derivation.h"
#include "design_steps.h"

namespace mixora::jgj55 {
namespace {

std::string Percent(double share) {
    return Num(share) + " %";
}

Check CannotCheck(std::string item, const Parameter& waiting_on, std::string source) {
    Check check;
    check.item = std::move(item);
    check.source = std::move(source);
    check.verdict = Verdict::CannotCheck;
    check.reason = waiting_on.reason;
    return check;
}

Verdict AtMost(double value, double limit) {
    return value <= limit ? Verdict::Complies : Verdict::Fails;
}

std::string EnvironmentSource(EnvironmentClass environment) {
    return DurabilitySource() + "（环境类别 " + std::string(NameOf(environment)) + "）";
}

void CheckDurability(const Inputs& inputs, Result& result) {
    const std::string source = EnvironmentSource(inputs.environment);
    const Parameter& water_binder = result[Quantity::WaterBinder];
    const Parameter& limit = result[Quantity::WaterBinderLimit];
    if (!water_binder.value || !limit.value) {
        result.checks.push_back(
            CannotCheck("最大水胶比", water_binder.value ? limit : water_binder, source));
    } else {
        result.checks.push_back({"最大水胶比",
                                 water_binder.text,
                                 "≤ " + limit.text,
                                 limit.source,
                                 AtMost(*water_binder.value, *limit.value),
                                 {}});
    }

    const auto* row = DurabilityRowFor(inputs.environment);
    Check grade{
        "最低强度等级", "C" + std::to_string(inputs.grade), {}, source, Verdict::CannotCheck, {}};
    if (row == nullptr)
        grade.reason = "未选择环境类别";
    else if (!IsOfferedGrade(inputs.grade))
        grade.reason = GradeReason(inputs.grade);
    else {
        grade.limit = "≥ C" + std::to_string(row->min_grade);
        grade.verdict = inputs.grade >= row->min_grade ? Verdict::Complies : Verdict::Fails;
    }
    result.checks.push_back(std::move(grade));
}

void CheckMinimumBinder(Result& result) {
    const Parameter& minimum = result[Quantity::BinderMinimum];
    const Parameter& binder = result[Quantity::Binder];
    const std::string source(kMinimumBinder.source);
    if (minimum.origin == Origin::NotNeeded) {
        result.checks.push_back({"最小胶凝材料用量",
                                 binder.value ? binder.text + " kg/m³" : "",
                                 {},
                                 source,
                                 Verdict::NotApplicable,
                                 minimum.reason});
        return;
    }
    if (!minimum.value || !binder.value) {
        result.checks.push_back(
            CannotCheck("最小胶凝材料用量", binder.value ? minimum : binder, source));
        return;
    }
    result.checks.push_back({"最小胶凝材料用量",
                             binder.text + " kg/m³",
                             "≥ " + minimum.text + " kg/m³",
                             minimum.source,
                             *binder.value >= *minimum.value ? Verdict::Complies : Verdict::Fails,
                             {}});
}

struct MineralUse {
    Mineral mineral;
    std::string_view item;
    double share;
};

void CheckMineralLimits(const Inputs& inputs, Result& result) {
    std::vector<MineralUse> uses;
    if (inputs.fly_ash_share > 0.0)
        uses.push_back({Mineral::FlyAsh, "粉煤灰最大掺量", inputs.fly_ash_share});
    if (inputs.slag_share > 0.0) uses.push_back({Mineral::Slag, "矿粉最大掺量", inputs.slag_share});
    if (MineralCount(inputs) > 1)
        uses.push_back({Mineral::Compound, "复合掺合料最大掺量", MineralShare(inputs)});
    if (uses.empty()) return;

    if (inputs.structure == StructureType::Plain) {
        for (const MineralUse& use : uses)
            result.checks.push_back({std::string(use.item),
                                     Percent(use.share),
                                     {},
                                     {},
                                     Verdict::NotChecked,
                                     "素混凝土的限值本设计未列入"});
        return;
    }
    const bool prestressed = inputs.structure == StructureType::Prestressed;
    const auto& table = prestressed ? kPrestressedMineralLimits : kMineralLimits;
    const Parameter& water_binder = result[Quantity::WaterBinder];
    for (const MineralUse& use : uses) {
        const MineralLimitRow* row = nullptr;
        for (const MineralLimitRow& candidate : table.rows)
            if (candidate.cement == inputs.cement_kind && candidate.mineral == use.mineral)
                row = &candidate;
        std::string source = std::string(table.source) + "（" +
                             std::string(NameOf(inputs.cement_kind)) + "，" +
                             std::string(NameOf(inputs.structure));
        if (row == nullptr || !water_binder.value) {
            Check check = CannotCheck(std::string(use.item), water_binder, source + "）");
            check.value = Percent(use.share);
            if (row == nullptr) check.reason = "未选择水泥品种";
            result.checks.push_back(std::move(check));
            continue;
        }
        const bool low_ratio = *water_binder.value <= kMineralLimitBoundary;
        const double limit = low_ratio ? row->up_to_boundary : row->above_boundary;
        source += std::string("，W/B ") + (low_ratio ? "≤ " : "> ") +
                  Num(kMineralLimitBoundary, 2) + "）";
        result.checks.push_back({std::string(use.item),
                                 Percent(use.share),
                                 "≤ " + Percent(limit),
                                 source,
                                 AtMost(use.share, limit),
                                 {}});
    }
}

} // namespace

void RunChecks(const Inputs& inputs, Result& result) {
    result.checks.clear();
    CheckDurability(inputs, result);
    CheckMinimumBinder(result);
    CheckMineralLimits(inputs, result);
    // 硅灰 alone is limited only for high-strength concrete (第 7.3.2 条, among its checks).
    if (inputs.silica_fume_share > 0.0 && !IsHighStrength(inputs.grade))
        result.checks.push_back({"硅灰掺量",
                                 Percent(inputs.silica_fume_share),
                                 {},
                                 {},
                                 Verdict::NotChecked,
                                 std::string(kMineralLimits.source) + "未列硅灰；" +
                                     std::string(kHighStrengthMaxSilicaFume.source) +
                                     "的限值用于高强混凝土"});
    CheckRequirements(inputs, result);
}

} // namespace mixora::jgj55
