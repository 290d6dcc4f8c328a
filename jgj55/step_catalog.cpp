#include "step_catalog.h"

#include "derivation.h"
#include "design_steps.h"

namespace mixora::jgj55 {
namespace {

using Q = Quantity;

std::string S(std::string_view text) {
    return std::string(text);
}

std::string GradeText(int grade) {
    return "C" + std::to_string(grade);
}

std::string SigmaFloors() {
    std::string text;
    for (const SigmaFloorRow& row : kSigmaFloor.rows) {
        if (!text.empty()) text += "，";
        text += "≤ " + GradeText(row.max_grade) + " 不小于 " + Num(row.floor, 1) + " MPa";
    }
    return text;
}

} // namespace

std::vector<StepInfo> DesignSteps() {
    const std::string high = GradeText(kHighStrengthGrade);
    return {
        {1,
         "混凝土强度标准差",
         "σ = √[(Σfcu,i² − n·mfcu²) / (n − 1)]，n ≥ " + std::to_string(kSigmaMinResults) + "，" +
             SigmaFloors() + "；无强度资料时查" + S(kSigmaTable.source) + "；" + high +
             " 及以上不需要",
         S(kSigmaFormulaSource) + "，" + S(kSigmaTable.source),
         {Q::Sigma}},
        {2,
         "配制强度",
         "fcu,0 = fcu,k + " + Num(kStrengthMargin.value, 3) + "σ（< " + high +
             "）；fcu,0 = " + Num(kHighStrengthFactor.value, 2) + "fcu,k（≥ " + high + "）",
         S(kHighStrengthSource) + "，" + S(kStrengthMargin.source) + "、" +
             S(kHighStrengthFactor.source),
         {Q::TargetStrength}},
        {3,
         "水泥 28 d 胶砂抗压强度",
         "fce = γc·fce,g（无实测值时）",
         S(kCementStrengthFormulaSource) + "，" + S(kCementSurplus.source),
         {Q::CementSurplus, Q::CementStrength}},
        {4,
         "矿物掺合料影响系数",
         "γf、γs 按掺量查表，表列掺量之间线性插值；粉煤灰Ⅰ、Ⅱ级取上限，Ⅲ级取下限；S75 取下限，S95 "
         "取上限，S105 取上限加 " +
             Num(kS105Bonus.value, 2) + "；超出表列掺量由试验确定",
         S(kFlyAshFactor.source),
         {Q::FlyAshFactor, Q::SlagFactor}},
        {5,
         "胶凝材料 28 d 胶砂抗压强度",
         "fb = γf·γs·fce（无实测值时）",
         S(kBinderStrengthFormulaSource),
         {Q::BinderStrength}},
        {6,
         "水胶比",
         "W/B = αa·fb / (fcu,0 + αa·αb·fb)（< " + high + "；" + high + " 及以上取" +
             S(kHighStrengthMix.source) +
             "范围中值，应经试配确定）；取其与最大水胶比（特殊要求"
             "的限值中最小者）之较小者",
         S(kWaterBinderFormulaSource) + "，" + S(kRegression.source) + "，" + DurabilitySource() +
             "，" + S(kHighStrengthMix.source),
         {Q::AlphaA, Q::AlphaB, Q::WaterBinderByStrength, Q::WaterBinderLimit, Q::WaterBinder}},
        {7,
         "用水量",
         "mw0 = mw0′(1 − β)；mw0′ 查表（中砂），坍落度 " + Num(kWaterTable.rows.back().max_slump) +
             " mm 以上每增大 " + Num(kWaterSlumpStep.value) + " mm 加 " +
             Num(kWaterPerSlumpStep.value) + " kg",
         S(kWaterTable.source) + "，" + S(kWaterReducerFormulaSource),
         {Q::WaterBeforeReducer, Q::Water}},
        {8,
         "胶凝材料、矿物掺合料、水泥和外加剂用量",
         "mb0 = mw0 / (W/B)（" + high + " 及以上取" + S(kHighStrengthMix.source) +
             "范围中值，mw0 = mb0·W/B），且不小于最小胶凝材料用量（特殊要求的限值中最大者）；mf0 "
             "= mb0·βf；mk0 = mb0·βk；（掺硅灰时 msf0 = mb0·βsf）；mc0 = mb0 − mf0 − mk0（− "
             "msf0）；ma0 = mb0·βa",
         S(kBinderFormulaSource) + "、" + S(kMineralFormulaSource) + "、" +
             S(kCementFormulaSource) + "、" + S(kAdmixtureFormulaSource) + "，" +
             S(kMinimumBinder.source),
         {Q::BinderByWater, Q::BinderMinimum, Q::Binder, Q::FlyAsh, Q::Slag, Q::SilicaFume,
          Q::Cement, Q::Admixture}},
        {9,
         "砂率",
         "βs 取表列范围的中值，按水胶比（" + S(NameOf(MaxSize::Mm25)) + "、" +
             S(NameOf(MaxSize::Mm31_5)) + " 按粒径）线性插值；坍落度 " +
             Num(kSandRatioBaseSlump.value) + " mm 以上每增大 " + Num(kSandRatioSlumpStep.value) +
             " mm 加 " + Num(kSandRatioPerSlumpStep.value) + " %",
         S(kSandRatioTable.source),
         {Q::SandRatio}},
        {10,
         "粗、细骨料用量",
         "质量法：mc0 + mf0 + mk0 + ms0 + mg0 + mw0 = mcp；体积法：mc0/ρc + mf0/ρf + mk0/ρk + "
         "ms0/ρs + mg0/ρg + mw0/ρw + 0.01α = 1（掺硅灰时另计 msf0，体积法 msf0/ρsf）；βs = ms0 / "
         "(ms0 + mg0)",
         S(kMassMethodSource) + "、" + S(kSandRatioDefinitionSource) + "、" +
             S(kVolumeMethodSource),
         {Q::AggregateTotal, Q::Sand, Q::Stone}},
        {11,
         "配合比",
         "计算表观密度 = 各组分用量之和（不计外加剂）；质量比 胶凝材料 : 砂 : 石 : 水 = 1 : "
         "ms0/mb0 : mg0/mb0 : mw0/mb0",
         "",
         {Q::Density, Q::RatioSand, Q::RatioStone, Q::RatioWater}},
        {12,
         "校核",
         "最大水胶比和最低强度等级；最小胶凝材料用量；矿物掺合料最大掺量；水溶性氯离子最大含量；"
         "特殊要求（泵送、抗渗、抗冻、大体积、高强）的限值",
         DurabilitySource() + "，" + S(kMinimumBinder.source) + "，" + S(kMineralLimits.source) +
             "、" + S(kPrestressedMineralLimits.source) + "，" + S(kChlorideLimits.source) +
             "，第 7 章",
         {}},
    };
}

} // namespace mixora::jgj55
