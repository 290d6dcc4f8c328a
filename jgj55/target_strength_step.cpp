// Steps 1–2: the standard deviation σ and the target strength fcu,0.
#include "derivation.h"
#include "design_steps.h"
#include "shown_value.h"
#include "strength_results.h"

namespace mixora::jgj55 {
namespace {

const SigmaRow* SigmaRowFor(int grade) {
    for (const SigmaRow& row : kSigmaTable.rows)
        if (grade <= row.max_grade) return &row;
    return nullptr;
}

double SigmaFloorFor(int grade) {
    for (const SigmaFloorRow& row : kSigmaFloor.rows)
        if (grade <= row.max_grade) return row.floor;
    return 0.0;
}

void SigmaFromResults(const Inputs& inputs, Result& result) {
    const auto deviation = SampleStandardDeviation(inputs.strength_results);
    if (!deviation) {
        SetUnavailable(result, Quantity::Sigma, "强度资料中有不是有限数值的数");
        return;
    }
    const int decimals = InfoOf(Quantity::Sigma).decimals;
    const double shown = RoundShown(*deviation, decimals);
    const double floor = SigmaFloorFor(inputs.grade);
    std::string source = std::string(kSigmaFormulaSource) + "（" +
                         std::to_string(inputs.strength_results.size()) + " 组强度资料）";
    if (shown < floor) {
        SetComputed(result, Quantity::Sigma, floor,
                    source + "，下限 " + Num(floor, decimals) + " MPa（" +
                        std::string(kSigmaFloor.source) + "）",
                    "计算值 " + FormatFixed(*deviation, decimals) + " MPa 小于下限，取下限");
        return;
    }
    SetComputed(result, Quantity::Sigma, *deviation, std::move(source));
}

void DeriveSigma(const Inputs& inputs, Result& result) {
    if (!IsOfferedGrade(inputs.grade)) {
        SetUnavailable(result, Quantity::Sigma, GradeReason(inputs.grade));
        return;
    }
    if (inputs.grade >= kHighStrengthGrade) {
        SetNotNeeded(result, Quantity::Sigma,
                     "C" + std::to_string(kHighStrengthGrade) + " 及以上按" +
                         std::string(kHighStrengthFactor.source) + "计算配制强度，不需要 σ");
        return;
    }
    if (TakeGiven(result, Quantity::Sigma, inputs.sigma)) return;
    const std::size_t count = inputs.strength_results.size();
    if (count >= static_cast<std::size_t>(kSigmaMinResults)) {
        SigmaFromResults(inputs, result);
        return;
    }
    const SigmaRow* row = SigmaRowFor(inputs.grade);
    if (row == nullptr) { // not reached for offered grades below C60
        SetUnavailable(result, Quantity::Sigma,
                       std::string(kSigmaTable.source) + " 中没有该强度等级，请给定 σ");
        return;
    }
    std::string note;
    if (count > 0)
        note = "强度资料只有 " + std::to_string(count) + " 组（少于 " +
               std::to_string(kSigmaMinResults) + " 组），按" + std::string(kSigmaTable.source) +
               "取值";
    SetComputed(result, Quantity::Sigma, row->sigma,
                std::string(kSigmaTable.source) + "（≤ C" + std::to_string(row->max_grade) + "）",
                std::move(note));
}

} // namespace

std::string GradeReason(int grade) {
    return "强度等级 C" + std::to_string(grade) + " 不在 C" + std::to_string(kLowestGrade) + "～C" +
           std::to_string(kHighestGrade) + "（级差 " + std::to_string(kGradeStep) + "）之中";
}

void DeriveTargetStrength(const Inputs& inputs, Result& result) {
    DeriveSigma(inputs, result);
    if (!IsOfferedGrade(inputs.grade)) {
        SetUnavailable(result, Quantity::TargetStrength, GradeReason(inputs.grade));
        return;
    }
    const double grade = inputs.grade;
    if (inputs.grade >= kHighStrengthGrade) {
        SetComputed(result, Quantity::TargetStrength, kHighStrengthFactor.value * grade,
                    std::string(kHighStrengthFactor.source));
        return;
    }
    Needs needs(result);
    const double sigma = needs(Quantity::Sigma);
    if (needs.Missing()) {
        SetUnavailable(result, Quantity::TargetStrength, needs.Reason());
        return;
    }
    SetComputed(result, Quantity::TargetStrength, grade + kStrengthMargin.value * sigma,
                std::string(kStrengthMargin.source));
}

} // namespace mixora::jgj55
