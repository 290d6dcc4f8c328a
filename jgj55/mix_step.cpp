// Steps 10–11: the sand and stone, the computed density and the mass ratio.
#include "aggregates.h"
#include "derivation.h"
#include "design_steps.h"
#include "requirement_rules.h"

namespace mixora::jgj55 {

void DeriveAggregateMasses(const Inputs& inputs, Result& result) {
    Needs needs(result);
    AggregateDemand demand;
    demand.cement = needs(Quantity::Cement);
    demand.fly_ash = needs(Quantity::FlyAsh);
    demand.slag = needs(Quantity::Slag);
    demand.silica_fume = needs(Quantity::SilicaFume);
    demand.water = needs(Quantity::Water);
    demand.sand_ratio_percent = needs(Quantity::SandRatio);
    if (needs.Missing()) {
        for (Quantity quantity : {Quantity::AggregateTotal, Quantity::Sand, Quantity::Stone})
            SetUnavailable(result, quantity, needs.Reason());
        return;
    }
    demand.method = inputs.method;
    demand.volume = inputs.volume;
    demand.assumed_mass = inputs.assumed_mass;
    // Air-entrained: the volume method's α is the target air content, said on the total.
    std::string air_note;
    if (const auto target = TargetAirContent(inputs); target && inputs.method == Method::Volume) {
        demand.volume.air_percent = target->percent;
        air_note = "α = " + Num(target->percent, 1) + " %：掺引气剂，取目标含气量（" +
                   target->source + "）";
    }
    const Aggregates aggregates = SolveAggregates(demand);
    if (!aggregates.total) {
        for (Quantity quantity : {Quantity::AggregateTotal, Quantity::Sand, Quantity::Stone})
            SetUnavailable(result, quantity, aggregates.problem);
        return;
    }
    SetComputed(result, Quantity::AggregateTotal, *aggregates.total, aggregates.source, air_note);
    SetComputed(result, Quantity::Sand, *aggregates.sand,
                std::string(kSandRatioDefinitionSource) + "（ms0 = βs ×（ms0 + mg0））");
    SetComputed(result, Quantity::Stone, *aggregates.stone, "（ms0 + mg0）− ms0");
}

void DeriveMixSummary(Result& result) {
    Needs needs(result);
    const double cement = needs(Quantity::Cement);
    const double fly_ash = needs(Quantity::FlyAsh);
    const double slag = needs(Quantity::Slag);
    const double silica_fume = needs(Quantity::SilicaFume);
    const double water = needs(Quantity::Water);
    const double sand = needs(Quantity::Sand);
    const double stone = needs(Quantity::Stone);
    const double binder = needs(Quantity::Binder);
    if (needs.Missing()) {
        for (Quantity quantity :
             {Quantity::Density, Quantity::RatioSand, Quantity::RatioStone, Quantity::RatioWater})
            SetUnavailable(result, quantity, needs.Reason());
        result.mass_ratio.clear();
        return;
    }
    SetComputed(result, Quantity::Density,
                cement + fly_ash + slag + silica_fume + water + sand + stone,
                "各组分用量之和（不计外加剂）");
    SetComputed(result, Quantity::RatioSand, sand / binder, "ms0 / mb0");
    SetComputed(result, Quantity::RatioStone, stone / binder, "mg0 / mb0");
    SetComputed(result, Quantity::RatioWater, water / binder, "mw0 / mb0");
    result.mass_ratio = "1 : " + result[Quantity::RatioSand].text + " : " +
                        result[Quantity::RatioStone].text + " : " +
                        result[Quantity::RatioWater].text;
}

} // namespace mixora::jgj55
