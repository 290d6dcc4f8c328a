#include "trial_notes.h"

#include "trial_sources.h"
#include "trial_number.h"

namespace mixora::trial {

namespace {

std::string Clause(std::string_view clause) {
    return "（" + std::string(clause) + "）";
}

} // namespace

std::string TrialBatchNote() {
    std::string minimum;
    for (const auto& row : jgj55_2011::kTrialBatchMinimum.rows)
        minimum += (minimum.empty() ? "" : "，") + Plain(row.min_litres.value) +
                   " L（粗骨料最大公称粒径不大于 " + Plain(row.max_aggregate_mm.value) + " mm）";
    return "试拌用量 = 每立方米用量 × 试拌体积 ÷ 1000，保留 0.01 kg，外加剂保留 1 g（四舍五入）。"
           "每盘试拌量不少于 " +
           minimum + Clause(Jgj55Clause(jgj55_2011::kTrialBatchMinimum.source)) + "。";
}

std::string TrialMixNote() {
    return "按实际试拌用量换算：每立方米用量 = 试拌用量 × 1000 ÷ 试拌体积，保留 1 kg（外加剂 "
           "0.01 kg）；水胶比保留 0.01，砂率保留 0.1%，外加剂掺量保留 0.01%。";
}

std::string StrengthMixNote(const standards::Constant& water_binder, bool silica_fume) {
    const standards::Constant& sand_ratio = jgj55_2011::kStrengthMixSandRatioStepPercent;
    // Each step with its clause; one clause for both when they share it.
    const bool one_clause = water_binder.source == sand_ratio.source;
    return "用水量与试拌配合比相同，水胶比分别减少和增加 " + Fixed(water_binder.value, 2) +
           (one_clause ? "" : Clause(Jgj55Clause(water_binder.source))) + "，砂率相应减少和增加 " +
           Fixed(sand_ratio.value, 0) + "%" + Clause(Jgj55Clause(sand_ratio.source)) +
           "；胶凝材料 = 用水量 ÷ 水胶比，保留 1 kg，" +
           (silica_fume ? "粉煤灰、矿粉、硅灰" : "粉煤灰、矿粉") +
           "按掺量保留 1 kg，水泥为其余；外加剂按掺量保留 0.01 kg；砂石按设计的计算方法，保留 1 "
           "kg。";
}

std::string StrengthGroupNote() {
    const std::string spread = Fixed(gbt50081::kGroupSpreadPercent, 0) + "%";
    std::string factors;
    for (const SpecimenSizeRow& row : kSpecimenSizes)
        factors +=
            (factors.empty() ? "" : "，") + std::string(row.name) + " × " + Fixed(row.factor, 2);
    return "每组取三个试件强度的平均值；最大值或最小值之一与中间值之差超过中间值的 " + spread +
           " 时取中间值；两者均超过时该组无效" + Clause(kGroupClause) + "。代表值保留 0.1 MPa，" +
           "再乘以试件尺寸换算系数（" + factors + "）" + Clause(kGroupClause) + "，保留 0.1 MPa。";
}

std::string RatioChoiceNote() {
    return "按有效组的强度与胶水比（保留 0.001）作最小二乘直线 f = a·(B/W) + b（a、b 保留 0.01），"
           "由配制强度求胶水比，向上取至 0.01；胶凝材料 = 用水量 × 胶水比，保留 1 kg；"
           "砂率与外加剂掺量取试拌配合比的值" +
           Clause(Jgj55Clause(jgj55_2011::kRatioChoiceSource)) + "。";
}

std::string DensityNote() {
    return "计算表观密度 ρc,c 为除外加剂外各材料用量之和；校正系数 δ = ρc,t ÷ ρc,c，保留 0.01；"
           "实测值与计算值之差的绝对值超过计算值的 " +
           Fixed(jgj55_2011::kDensityTolerancePercent.value, 0) +
           "% 时，各材料用量乘以 δ（保留 1 kg，外加剂 0.01 kg），否则配合比维持不变" +
           Clause(Jgj55Clause(jgj55_2011::kDensityTolerancePercent.source)) + "。";
}

std::string ProductionNote() {
    return "施工配合比：砂 ms' = ms(1 + ws)，石 mg' = mg(1 + wg)，水 mw' = mw − ms·ws − mg·wg，"
           "保留 1 kg；每盘用量 = 每立方米用量 × 搅拌机每盘方量，保留 1 kg，外加剂 0.01 kg。";
}

} // namespace mixora::trial
