#include "proportioning.h"

#include "trial_number.h"

#include <cmath>

namespace mixora::trial {

BinderParts SplitBinder(double binder, const MixRatios& ratios) {
    BinderParts parts;
    parts.fly_ash = Round(binder * ratios.fly_ash_percent / 100, 0);
    parts.slag = Round(binder * ratios.slag_percent / 100, 0);
    parts.silica_fume = Round(binder * ratios.silica_fume_percent / 100, 0);
    // the parts add up to the binder
    parts.cement = binder - parts.fly_ash - parts.slag - parts.silica_fume;
    return parts;
}

Computed<Aggregates> SolveAggregates(const Mix& mix, double sand_ratio_percent,
                                     const AggregateMethod& method) {
    if (!method) return Computed<Aggregates>::Lacking("设计未提供砂石用量的计算方法");
    if (!(sand_ratio_percent > 0 && sand_ratio_percent < 100))
        return Computed<Aggregates>::Lacking("砂率 " + Fixed(sand_ratio_percent, 1) +
                                             "% 不在 0～100% 之间");
    Computed<Aggregates> solved =
        method(BinderParts{mix.cement, mix.fly_ash, mix.slag, mix.silica_fume}, mix.water,
               sand_ratio_percent);
    if (!solved.value) {
        if (solved.missing.empty()) solved.missing.push_back("砂石用量无法计算");
        return solved;
    }
    const Aggregates rounded{Round(solved.value->sand, 0), Round(solved.value->stone, 0)};
    if (!(rounded.sand > 0 && rounded.stone > 0))
        return Computed<Aggregates>::Lacking("按设计方法算得的砂或石用量不是正数");
    return Computed<Aggregates>::Of(rounded);
}

Computed<Mix> Proportion(double water, const MixRatios& ratios, const AggregateMethod& method) {
    if (!(ratios.water_binder > 0))
        return Computed<Mix>::Lacking("水胶比 " + Fixed(ratios.water_binder, 2) + " 不是正数");
    if (!(water > 0)) return Computed<Mix>::Lacking("用水量不是正数");
    return ProportionBinder(water, Round(water / ratios.water_binder, 0), ratios, method);
}

Computed<Mix> ProportionBinder(double water, double binder, const MixRatios& ratios,
                               const AggregateMethod& method) {
    Mix mix;
    mix.water = water;
    const BinderParts parts = SplitBinder(binder, ratios);
    mix.cement = parts.cement;
    mix.fly_ash = parts.fly_ash;
    mix.slag = parts.slag;
    mix.silica_fume = parts.silica_fume;
    mix.admixture = Round(binder * ratios.admixture_percent / 100, 2);
    const Computed<Aggregates> aggregates = SolveAggregates(mix, ratios.sand_ratio_percent, method);
    if (!aggregates.value) return Computed<Mix>::Lacking(aggregates.missing);
    mix.sand = aggregates.value->sand;
    mix.stone = aggregates.value->stone;
    return Computed<Mix>::Of(mix);
}

Mix Scaled(const Mix& m, double factor, int decimals, int admixture_decimals) {
    const auto kg = [factor, decimals](double amount) { return Round(amount * factor, decimals); };
    return Mix{kg(m.cement),
               kg(m.fly_ash),
               kg(m.slag),
               kg(m.water),
               kg(m.sand),
               kg(m.stone),
               Round(m.admixture * factor, admixture_decimals),
               kg(m.silica_fume)};
}

Mix BatchOf(const Mix& m, double litres) {
    return Scaled(m, litres / 1000, 2, 3);
}

std::vector<std::string> CheckBasis(const DesignBasis& basis) {
    std::vector<std::string> problems;
    const MixRatios& r = basis.ratios;
    if (!(r.water_binder > 0)) problems.push_back("设计配合比的水胶比不是正数");
    if (!(r.sand_ratio_percent > 0 && r.sand_ratio_percent < 100))
        problems.push_back("设计配合比的砂率不在 0～100% 之间");
    if (!(r.fly_ash_percent >= 0 && r.slag_percent >= 0 && r.silica_fume_percent >= 0 &&
          r.fly_ash_percent + r.slag_percent + r.silica_fume_percent < 100))
        problems.push_back(r.silica_fume_percent > 0
                               ? "粉煤灰、矿粉和硅灰的掺量应不小于 0 且合计小于 100%"
                               : "粉煤灰和矿粉的掺量应不小于 0 且合计小于 100%");
    if (!(r.admixture_percent >= 0)) problems.push_back("外加剂掺量不应小于 0");
    const Mix& m = basis.mix;
    if (!(m.water > 0 && m.binder() > 0 && m.sand > 0 && m.stone > 0))
        problems.push_back("设计配合比缺少用水量、胶凝材料或砂石用量");
    if (!(m.cement >= 0 && m.fly_ash >= 0 && m.slag >= 0 && m.silica_fume >= 0 && m.admixture >= 0))
        problems.push_back("设计配合比中有负的材料用量");
    if (!(basis.max_aggregate_mm > 0)) problems.push_back("设计未给出粗骨料最大公称粒径");
    if (!(basis.target_strength > 0)) problems.push_back("设计未给出配制强度 fcu,0");
    return problems;
}

} // namespace mixora::trial
