#include "strength_mixes.h"

#include "proportioning.h"
#include "trial_sources.h"
#include "trial_number.h"

namespace mixora::trial {

const standards::Constant& StrengthMixWaterBinderStep(int grade) {
    return grade >= jgj55_2011::kHighStrengthGrade ? jgj55_2011::kHighStrengthMixWaterBinderStep
                                                   : jgj55_2011::kStrengthMixWaterBinderStep;
}

std::array<MixRatios, 3> StrengthMixRatios(const MixRatios& trial,
                                           const standards::Constant& water_binder_step) {
    std::array<MixRatios, 3> ratios{trial, trial, trial};
    for (int step = -1; step <= 1; ++step) {
        MixRatios& r = ratios[static_cast<std::size_t>(step + 1)];
        r.water_binder = Round(trial.water_binder + step * water_binder_step.value, 2);
        r.sand_ratio_percent = Round(trial.sand_ratio_percent +
                                         step * jgj55_2011::kStrengthMixSandRatioStepPercent.value,
                                     1);
    }
    return ratios;
}

Computed<StrengthMixes> ComputeStrengthMixes(const Computed<TrialMix>& trial,
                                             const Computed<TrialBatch>& batch,
                                             const AggregateMethod& method,
                                             const standards::Constant& step) {
    if (!trial.value) return Computed<StrengthMixes>::Lacking("需先完成试拌配合比");
    const double water = trial.value->per_cubic_metre.water;
    const std::array<MixRatios, 3> ratios = StrengthMixRatios(trial.value->ratios, step);
    StrengthMixes result;
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < ratios.size(); ++i) {
        StrengthMix& mix = result.mixes[i];
        mix.ratios = ratios[i];
        const Computed<Mix> proportioned = Proportion(water, ratios[i], method);
        if (!proportioned.value) {
            for (const std::string& reason : proportioned.missing)
                problems.push_back("水胶比 " + Fixed(ratios[i].water_binder, 2) + "：" + reason);
            continue;
        }
        mix.per_cubic_metre = *proportioned.value;
        mix.batch = batch.value
                        ? Computed<Mix>::Of(BatchOf(mix.per_cubic_metre, batch.value->litres))
                        : Computed<Mix>::Lacking("试拌体积未确定");
    }
    if (!problems.empty()) return Computed<StrengthMixes>::Lacking(problems);
    return Computed<StrengthMixes>::Of(result);
}

} // namespace mixora::trial
