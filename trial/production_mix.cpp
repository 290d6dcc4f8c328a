#include "production_mix.h"

#include "proportioning.h"
#include "trial_number.h"

namespace mixora::trial {

Computed<Mix> MoistureAdjusted(const Mix& design, double sand_percent, double stone_percent) {
    const double ws = sand_percent / 100;
    const double wg = stone_percent / 100;
    Mix mix = design;
    mix.sand = Round(design.sand * (1 + ws), 0);
    mix.stone = Round(design.stone * (1 + wg), 0);
    mix.water = Round(design.water - design.sand * ws - design.stone * wg, 0);
    if (!(mix.water > 0))
        return Computed<Mix>::Lacking("砂石含水超过用水量，施工用水量为 " + Fixed(mix.water, 0) +
                                      " kg，请核对含水率");
    return Computed<Mix>::Of(mix);
}

Mix PerBatch(const Mix& m, double capacity_m3) {
    return Scaled(m, capacity_m3, 0, 2);
}

Computed<ProductionMix> ComputeProductionMix(const Computed<DensityCorrection>& design,
                                             const ProductionEntry& entry) {
    if (!design.value) return Computed<ProductionMix>::Lacking("需先完成表观密度校正");
    const Reading sand =
        ReadInRange(entry.sand_moisture_percent, "砂含水率", jgj55::kMoistureRange);
    const Reading stone =
        ReadInRange(entry.stone_moisture_percent, "石含水率", jgj55::kMoistureRange);
    std::vector<std::string> problems;
    if (!sand.value) problems.push_back(sand.problem);
    if (!stone.value) problems.push_back(stone.problem);
    if (entry.measured_at.find_first_not_of(" \t") == std::string::npos)
        problems.push_back("含水率测定时间未填写");
    if (!problems.empty()) return Computed<ProductionMix>::Lacking(problems);

    const Computed<Mix> adjusted =
        MoistureAdjusted(design.value->per_cubic_metre, *sand.value, *stone.value);
    if (!adjusted.value) return Computed<ProductionMix>::Lacking(adjusted.missing);
    ProductionMix production;
    production.sand_moisture_percent = *sand.value;
    production.stone_moisture_percent = *stone.value;
    production.measured_at = entry.measured_at;
    production.per_cubic_metre = *adjusted.value;
    const Reading capacity =
        ReadInRange(entry.mixer_capacity_m3, "搅拌机每盘方量", jgj55::kMixerRange);
    if (capacity.value) {
        production.capacity_m3 = *capacity.value;
        production.per_batch = Computed<Mix>::Of(PerBatch(*adjusted.value, *capacity.value));
    } else {
        production.per_batch = Computed<Mix>::Lacking(capacity.problem);
    }
    return Computed<ProductionMix>::Of(production);
}

} // namespace mixora::trial
