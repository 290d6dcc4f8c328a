#include "jgj55_basis.h"

#include "aggregates.h"
#include "choices.h"
#include "design.h"
#include "requirement_rules.h"
#include "requirements.h"
#include "trial_number.h"
#include "trial_sources.h"

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

// P of the grade: 8 for P8, the value given above P12 (none when not given).
std::optional<double> ImpermeabilityValue(const jgj55::Requirements& req) {
    using standards::ImpermeabilityGrade;
    if (req.impermeability == ImpermeabilityGrade::AboveP12) return req.impermeability_value;
    const std::string name(jgj55::NameOf(req.impermeability));
    const Reading read = ReadNumber(name.substr(1), name); // "P8" → 8
    return read.value;
}

// The air ranges of the design's checks: 7.1.4 for an air-entrained impermeable mix, 表 3.0.7's
// row up to 3.0.7's largest for an exposure.
std::vector<AirRange> AirRangesOf(const jgj55::Inputs& inputs) {
    const jgj55::Requirements& req = inputs.requirements;
    std::vector<AirRange> ranges;
    if (req.impermeability != standards::ImpermeabilityGrade::None && req.air_entrained) {
        const auto& range = jgj55_2011::kImpermeableAirContent;
        ranges.push_back({range.low, range.high, Jgj55Clause(range.source) + "（抗渗）"});
    }
    if (req.air_exposure != standards::AirExposure::None) {
        const jgj55::AirContentRow& row = jgj55::AirContentRowFor(inputs.max_size);
        const bool salt = req.air_exposure == standards::AirExposure::SaltFrost;
        ranges.push_back({salt ? row.salt_frost : row.moist, jgj55_2011::kMaxAirContent,
                          Jgj55Clause(jgj55_2011::kMinimumAirContent.source) + "（" +
                              std::string(jgj55::NameOf(req.air_exposure)) + "，" +
                              std::string(row.max_size_mm.text) + " mm 一行；上限 " +
                              std::string(jgj55_2011::kMaxAirContentSource) + "）"});
    }
    return ranges;
}

// What the requirements ask the trial to record, with the design's limits for it.
SpecialDemands DemandsOf(const jgj55::Inputs& inputs) {
    const jgj55::Requirements& req = inputs.requirements;
    SpecialDemands demands;
    demands.pumped = req.pumped;
    if (req.impermeability != standards::ImpermeabilityGrade::None) {
        demands.impermeable = true;
        demands.impermeability_value = ImpermeabilityValue(req);
        demands.impermeability_grade =
            jgj55::ImpermeabilityName(req).substr(std::string_view("抗渗 ").size());
    }
    demands.high_strength = jgj55::IsHighStrength(inputs.grade);
    demands.mass = req.mass;
    demands.air = req.air_entrained || req.air_exposure != standards::AirExposure::None;
    demands.air_ranges = AirRangesOf(inputs);
    const standards::ChlorideEnvironment row =
        req.chloride.value_or(jgj55::ProposedChloride(inputs.environment));
    for (const auto& candidate : jgj55_2011::kChlorideLimits.rows)
        for (std::size_t i = 0; i < standards::kStructureTypes.size(); ++i)
            if (candidate.environment == row &&
                standards::kStructureTypes[i].value == inputs.structure) {
                demands.chloride = candidate.max_percent[i];
                demands.chloride_source = Jgj55Clause(jgj55_2011::kChlorideLimits.source) + "（" +
                                          std::string(jgj55::NameOf(row)) + "，" +
                                          std::string(jgj55::NameOf(inputs.structure)) + "）";
            }
    return demands;
}

} // namespace

Computed<DesignBasis> DesignBasisOf(const jgj55::Inputs& inputs, const jgj55::Result& result) {
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
    basis.mix.silica_fume = value(Quantity::SilicaFume);
    basis.mix.cement = value(Quantity::Cement);
    basis.mix.admixture = value(Quantity::Admixture);
    basis.ratios.sand_ratio_percent = value(Quantity::SandRatio);
    basis.mix.sand = value(Quantity::Sand);
    basis.mix.stone = value(Quantity::Stone);
    basis.ratios.fly_ash_percent = inputs.fly_ash_share;
    basis.ratios.slag_percent = inputs.slag_share;
    basis.ratios.silica_fume_percent = inputs.silica_fume_share;
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
    basis.demands = DemandsOf(inputs);
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
        demand.silica_fume = binder.silica_fume;
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
