// Step 6: the water–binder ratio by strength (or given), the durability limit, the adopted one.
#include "derivation.h"
#include "design_steps.h"
#include "requirement_rules.h"

namespace mixora::jgj55 {
namespace {

void DeriveRegression(const Inputs& inputs, Result& result, const std::string& not_needed) {
    if (!not_needed.empty()) {
        SetNotNeeded(result, Quantity::AlphaA, not_needed);
        SetNotNeeded(result, Quantity::AlphaB, not_needed);
        return;
    }
    const RegressionRow* row = nullptr;
    for (const RegressionRow& candidate : kRegression.rows)
        if (candidate.coarse == inputs.coarse) row = &candidate;
    const std::string source =
        std::string(kRegression.source) + "（" + std::string(NameOf(inputs.coarse)) + "）";
    if (!TakeGiven(result, Quantity::AlphaA, inputs.alpha_a)) {
        if (row == nullptr)
            SetUnavailable(result, Quantity::AlphaA, "未选择粗骨料品种");
        else
            SetComputed(result, Quantity::AlphaA, row->alpha_a, source);
    }
    if (!TakeGiven(result, Quantity::AlphaB, inputs.alpha_b)) {
        if (row == nullptr)
            SetUnavailable(result, Quantity::AlphaB, "未选择粗骨料品种");
        else
            SetComputed(result, Quantity::AlphaB, row->alpha_b, source);
    }
}

void DeriveByStrength(const Inputs& inputs, Result& result) {
    const bool high_strength = IsOfferedGrade(inputs.grade) && inputs.grade >= kHighStrengthGrade;
    std::string regression_not_needed;
    if (inputs.water_binder)
        regression_not_needed = "已给定水胶比";
    else if (high_strength)
        regression_not_needed =
            "C" + std::to_string(kHighStrengthGrade) + " 及以上水胶比由试验确定";
    DeriveRegression(inputs, result, regression_not_needed);
    if (TakeGiven(result, Quantity::WaterBinderByStrength, inputs.water_binder)) return;
    if (high_strength) {
        // With 硅灰 the binder's strength is measured (第 7.3.2 条) before a W/B is proposed.
        if (inputs.silica_fume_share > 0.0) {
            Needs needs(result);
            needs(Quantity::BinderStrength);
            if (needs.Missing()) {
                SetUnavailable(result, Quantity::WaterBinderByStrength, needs.Reason());
                return;
            }
        }
        const HighStrengthRow* row = HighStrengthRowFor(inputs.grade);
        if (row == nullptr) {
            SetUnavailable(result, Quantity::WaterBinderByStrength, GradeReason(inputs.grade));
            return;
        }
        SetComputed(result, Quantity::WaterBinderByStrength,
                    (row->water_binder_low.value + row->water_binder_high.value) / 2.0,
                    TrialRangeSource(row->water_binder_low, row->water_binder_high, ""));
        return;
    }
    Needs needs(result);
    const double fcu0 = needs(Quantity::TargetStrength);
    const double fb = needs(Quantity::BinderStrength);
    const double alpha_a = needs(Quantity::AlphaA);
    const double alpha_b = needs(Quantity::AlphaB);
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::WaterBinderByStrength, needs.Reason());
        return;
    }
    SetComputed(result, Quantity::WaterBinderByStrength,
                alpha_a * fb / (fcu0 + alpha_a * alpha_b * fb),
                std::string(kWaterBinderFormulaSource));
}

// The governing limit's table without the row said in brackets: "GB 50010-2010 表 3.5.3".
std::string LimitSource(const std::string& source) {
    return source.substr(0, source.find("（"));
}

} // namespace

std::string TrialRangeSource(const standards::Limit& low, const standards::Limit& high,
                             std::string_view unit) {
    return std::string(kHighStrengthMix.source) + "（范围 " + std::string(low.text) + "～" +
           std::string(high.text) + std::string(unit) + "，应经试配确定）";
}

const standards::gb50010_2010::EnvironmentRow* DurabilityRowFor(EnvironmentClass environment) {
    for (const auto& row : standards::gb50010_2010::kEnvironmentLimits.rows)
        if (row.environment == environment) return &row;
    return nullptr;
}

std::string DurabilitySource() {
    return standards::Cited(standards::gb50010_2010::kName,
                            standards::gb50010_2010::kEnvironmentLimits.source);
}

void DeriveWaterBinder(const Inputs& inputs, Result& result) {
    DeriveByStrength(inputs, result);

    const auto* row = DurabilityRowFor(inputs.environment);
    const RuleLimits required = RequirementMaxWaterBinder(inputs);
    if (row == nullptr)
        SetUnavailable(result, Quantity::WaterBinderLimit, "未选择环境类别");
    else if (!required.problem.empty())
        SetUnavailable(result, Quantity::WaterBinderLimit, required.problem);
    else {
        std::vector<RuleLimit> limits = {
            {row->max_water_binder,
             DurabilitySource() + "（环境类别 " + std::string(NameOf(inputs.environment)) + "）"}};
        limits.insert(limits.end(), required.limits.begin(), required.limits.end());
        const RuleLimit& governing = *Governing(limits, false);
        SetComputed(result, Quantity::WaterBinderLimit, governing.limit.value, governing.source,
                    GoverningNote(limits, governing, ""));
    }

    Needs needs(result);
    const double by_strength = needs(Quantity::WaterBinderByStrength);
    const double limit = needs(Quantity::WaterBinderLimit);
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::WaterBinder, needs.Reason());
        return;
    }
    const Parameter& chosen = result[Quantity::WaterBinderByStrength];
    const std::string limit_source = LimitSource(result[Quantity::WaterBinderLimit].source);
    if (by_strength > limit) {
        SetComputed(result, Quantity::WaterBinder, limit, limit_source + " 限值",
                    "最大水胶比起控制作用：" + chosen.text + " 大于限值 " +
                        result[Quantity::WaterBinderLimit].text);
        return;
    }
    Parameter adopted = chosen;
    const std::string governs = chosen.origin == Origin::Given ? "给定值起控制作用"
                                : IsHighStrength(inputs.grade)
                                    ? std::string(kHighStrengthMix.source) + " 起控制作用"
                                    : "强度要求起控制作用";
    adopted.note =
        governs + "：不大于 " + limit_source + " 限值 " + result[Quantity::WaterBinderLimit].text;
    result[Quantity::WaterBinder] = std::move(adopted);
}

} // namespace mixora::jgj55
