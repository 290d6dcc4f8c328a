#include "density_correction.h"

#include "trial_sources.h"
#include "proportioning.h"
#include "trial_number.h"

#include <cmath>

namespace mixora::trial {

DensityCorrection CorrectForDensity(const Mix& mix, double measured) {
    DensityCorrection c;
    c.computed = mix.without_admixture();
    c.measured = measured;
    c.delta = Round(measured / c.computed, 2);
    const double gap = std::fabs(measured - c.computed);
    c.difference_percent = Round(gap / c.computed * 100, 1);
    const standards::Constant& tolerance = jgj55_2011::kDensityTolerancePercent;
    c.corrected = Exceeds(gap * 100, c.computed * tolerance.value);
    const std::string limit = Fixed(tolerance.value, 0) + "%";
    const std::string clause = "（" + Jgj55Clause(tolerance.source) + "）";
    if (!c.corrected) {
        c.per_cubic_metre = mix;
        c.rule = "实测值与计算值之差不超过计算值的 " + limit + "，配合比维持不变" + clause;
        return c;
    }
    c.per_cubic_metre = Scaled(mix, c.delta, 0, 2);
    c.rule = "实测值与计算值之差超过计算值的 " + limit +
             "，各材料用量乘以校正系数 δ = " + Fixed(c.delta, 2) + clause;
    return c;
}

Computed<DensityCorrection> ComputeDensityCorrection(const Computed<RatioChoice>& choice,
                                                     const DensityEntry& entry) {
    if (!choice.value) return Computed<DensityCorrection>::Lacking("需先确定设计配合比");
    const Reading measured =
        ReadInRange(entry.measured, "拌合物表观密度实测值", jgj55::kDensityRange);
    if (!measured.value) return Computed<DensityCorrection>::Lacking(measured.problem);
    if (!(choice.value->per_cubic_metre.without_admixture() > 0))
        return Computed<DensityCorrection>::Lacking("设计配合比的材料用量合计不是正数");
    return Computed<DensityCorrection>::Of(
        CorrectForDensity(choice.value->per_cubic_metre, *measured.value));
}

} // namespace mixora::trial
