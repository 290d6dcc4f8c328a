#include "jgj55_basis.h"

#include "aggregates.h"
#include "choices.h"
#include "design.h"
#include "trial_number.h"

#include <string>
#include <utility>

namespace mixora::trial {

namespace {

using jgj55::Quantity;

// The shown value of a quantity, or its reason added to `missing`. Only the first missing
// one is named: the later ones wait on it, and saying so would bury the cause.
double ValueOf(const jgj55::Result& result, Quantity quantity, std::vector<std::string>& missing) {
    const jgj55::Parameter& parameter = result[quantity];
    if (parameter.value) return *parameter.value;
    if (!missing.empty()) return 0;
    const jgj55::QuantityInfo& info = jgj55::InfoOf(quantity);
    std::string reason =
        "设计的" + std::string(info.name) + " " + std::string(info.symbol) + " 无法计算";
    if (!parameter.reason.empty()) reason += "：" + parameter.reason;
    missing.push_back(std::move(reason));
    return 0;
}

} // namespace

Computed<DesignBasis> DesignBasisOf(const jgj55::Inputs& inputs, const jgj55::Result& result) {
    // The trial's mixes hold cement, fly ash and slag: a design with 硅灰 is refused rather
    // than tried without it.
    if (inputs.silica_fume_share > 0.0)
        return Computed<DesignBasis>::Lacking({"试配与调整尚不支持硅灰：本设计掺硅灰 " +
                                               Plain(inputs.silica_fume_share) + " %，请另行试配"});
    std::vector<std::string> missing;
    DesignBasis basis;
    const auto value = [&](Quantity quantity) { return ValueOf(result, quantity, missing); };
    // In the order the design derives them.
    basis.grade = inputs.grade;
    basis.target_strength = value(Quantity::TargetStrength);
    basis.ratios.water_binder = value(Quantity::WaterBinder);
    basis.mix.water = value(Quantity::Water);
    basis.mix.fly_ash = value(Quantity::FlyAsh);
    basis.mix.slag = value(Quantity::Slag);
    basis.mix.cement = value(Quantity::Cement);
    basis.mix.admixture = value(Quantity::Admixture);
    basis.ratios.sand_ratio_percent = value(Quantity::SandRatio);
    basis.mix.sand = value(Quantity::Sand);
    basis.mix.stone = value(Quantity::Stone);
    basis.ratios.fly_ash_percent = inputs.fly_ash_share;
    basis.ratios.slag_percent = inputs.slag_share;
    basis.ratios.admixture_percent = inputs.admixture_dosage;
    basis.max_aggregate_mm = jgj55::MaxSizeMm(inputs.max_size);
    basis.slump_mm = inputs.slump;
    // The inputs a trial batch is made to, as the sheet shows them; the shown values follow.
    const auto name = [](auto choice) { return std::string(jgj55::NameOf(choice)); };
    basis.inputs = {
        {"grade", "强度等级", std::string(jgj55::GradeName(inputs.grade))},
        {"slump", "坍落度", Plain(inputs.slump) + " mm"},
        {"coarse", "粗骨料", name(inputs.coarse) + " " + name(inputs.max_size)},
        {"sand_fineness", "砂", name(inputs.sand)},
        {"cement_kind", "水泥品种", name(inputs.cement_kind) + " " + name(inputs.cement_grade)},
        {"method", "计算方法", name(inputs.method)},
    };
    if (!missing.empty()) return Computed<DesignBasis>::Lacking(std::move(missing));
    return Computed<DesignBasis>::Of(basis);
}

AggregateMethod AggregateMethodOf(const jgj55::Inputs& inputs) {
    return [method = inputs.method, volume = inputs.volume, assumed_mass = inputs.assumed_mass](
               const BinderParts& binder, double water, double sand_ratio_percent) {
        jgj55::AggregateDemand demand;
        demand.cement = binder.cement;
        demand.fly_ash = binder.fly_ash;
        demand.slag = binder.slag;
        demand.water = water;
        demand.sand_ratio_percent = sand_ratio_percent;
        demand.method = method;
        demand.volume = volume;
        demand.assumed_mass = assumed_mass;
        const jgj55::Aggregates solved = jgj55::SolveAggregates(demand);
        if (!solved.sand || !solved.stone)
            return Computed<Aggregates>::Lacking(solved.problem.empty() ? "砂石用量无法计算"
                                                                        : solved.problem);
        return Computed<Aggregates>::Of(Aggregates{*solved.sand, *solved.stone});
    };
}

TrialEntries WithOldGroupsRecorded(TrialEntries entries, const jgj55::Inputs& inputs) {
    if (entries.cast) return entries;
    const Computed<DesignBasis> basis = DesignBasisOf(inputs, jgj55::ComputeDesign(inputs));
    if (basis.value)
        RecordEnteredGroups(entries, *basis.value, AggregateMethodOf(inputs),
                            std::string(kRecordedOnOpening));
    return entries;
}

bool TrialStarted(const TrialEntries& entries) {
    return !(entries == TrialEntries{});
}

Jgj55Trial RunJgj55Trial(const jgj55::Inputs& inputs, const jgj55::Result& result,
                         const TrialEntries& entries) {
    Jgj55Trial trial{DesignBasisOf(inputs, result), {}};
    if (trial.basis.value)
        trial.record = RunTrial(*trial.basis.value, AggregateMethodOf(inputs), entries);
    return trial;
}

} // namespace mixora::trial
