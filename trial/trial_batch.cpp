#include "trial_batch.h"

#include "proportioning.h"
#include "trial_number.h"

namespace mixora::trial {

namespace {

std::optional<std::string> VolumeWarning(double litres, double max_aggregate_mm) {
    const std::optional<TrialVolumeMinimum> minimum = MinimumFor(max_aggregate_mm);
    if (!minimum)
        return "粗骨料最大公称粒径 " + Plain(max_aggregate_mm) + " mm 超出" +
               Jgj55Clause(jgj55_2011::kTrialBatchMinimum.source) + "，未核对最小搅拌量";
    if (!Exceeds(minimum->min_litres, litres)) return std::nullopt;
    return "试拌体积 " + Plain(litres) + " L 少于 " + Plain(minimum->min_litres) +
           " L（粗骨料最大公称粒径 " + Plain(max_aggregate_mm) + " mm，" +
           std::string(minimum->clause) + "）";
}

Reading ReadLitres(const BatchEntry& entry) {
    return ReadInRange(entry.litres, "试拌体积", jgj55::kTrialLitresRange);
}

// A batch mass; an empty one for a material the design does not use reads as 0.
Reading ReadMass(const std::string& text, std::string_view caption, double design_amount) {
    if (text.find_first_not_of(" \t") == std::string::npos && design_amount == 0) return {0.0, {}};
    return ReadInRange(text, "试拌实际用量：" + std::string(caption), jgj55::kAmountRange);
}

Computed<TrialMix> FromBatchMasses(const DesignBasis& basis, const BatchEntry& batch,
                                   const AdjustmentEntry& entry) {
    std::vector<std::string> problems;
    const Reading litres = ReadLitres(batch);
    if (!litres.value) problems.push_back(litres.problem);
    const MixTexts& t = entry.batch_masses;
    const Mix& d = basis.mix;
    const Reading read[] = {ReadMass(t.cement, "水泥", d.cement),
                            ReadMass(t.fly_ash, "粉煤灰", d.fly_ash),
                            ReadMass(t.slag, "矿粉", d.slag),
                            ReadMass(t.water, "水", d.water),
                            ReadMass(t.sand, "砂", d.sand),
                            ReadMass(t.stone, "石", d.stone),
                            ReadMass(t.admixture, "外加剂", d.admixture),
                            ReadMass(t.silica_fume, "硅灰", d.silica_fume)};
    for (const Reading& r : read)
        if (!r.value) problems.push_back(r.problem);
    if (!problems.empty()) return Computed<TrialMix>::Lacking(problems);

    const double scale = 1000 / *litres.value;
    const auto per = [scale](const Reading& r) { return Round(*r.value * scale, 0); };
    TrialMix mix;
    mix.kind = AdjustmentKind::BatchMasses;
    mix.per_cubic_metre = Mix{per(read[0]),
                              per(read[1]),
                              per(read[2]),
                              per(read[3]),
                              per(read[4]),
                              per(read[5]),
                              Round(*read[6].value * scale, 2),
                              per(read[7])};
    const Mix& m = mix.per_cubic_metre;
    if (!(m.binder() > 0 && m.water > 0 && m.sand + m.stone > 0))
        return Computed<TrialMix>::Lacking("试拌实际用量缺少胶凝材料、水或砂石");
    mix.ratios = basis.ratios;
    mix.ratios.water_binder = Round(m.water / m.binder(), 2);
    mix.ratios.sand_ratio_percent = Round(m.sand / (m.sand + m.stone) * 100, 1);
    mix.ratios.admixture_percent = Round(m.admixture / m.binder() * 100, 2);
    return Computed<TrialMix>::Of(mix);
}

Computed<TrialMix> FromWaterAndAdmixture(const DesignBasis& basis, const AggregateMethod& method,
                                         const AdjustmentEntry& entry) {
    const Reading water = ReadInRange(entry.water, "调整后用水量", jgj55::kWaterRange);
    const Reading admixture =
        ReadInRange(entry.admixture, "调整后外加剂用量", jgj55::kPerCubicMetreRange);
    std::vector<std::string> problems;
    if (!water.value) problems.push_back(water.problem);
    if (!admixture.value) problems.push_back(admixture.problem);
    if (!problems.empty()) return Computed<TrialMix>::Lacking(problems);

    Computed<Mix> mix = Proportion(Round(*water.value, 0), basis.ratios, method);
    if (!mix.value) return Computed<TrialMix>::Lacking(mix.missing);
    TrialMix trial;
    trial.kind = AdjustmentKind::WaterAndAdmixture;
    trial.per_cubic_metre = *mix.value;
    trial.per_cubic_metre.admixture = Round(*admixture.value, 2);
    trial.ratios = basis.ratios;
    trial.ratios.admixture_percent =
        Round(trial.per_cubic_metre.admixture / trial.per_cubic_metre.binder() * 100, 2);
    return Computed<TrialMix>::Of(trial);
}

Computed<TrialMix> FromSandRatio(const DesignBasis& basis, const AggregateMethod& method,
                                 const AdjustmentEntry& entry) {
    const Reading sand_ratio =
        ReadInRange(entry.sand_ratio_percent, "调整后砂率", jgj55::kSandRatioRange);
    if (!sand_ratio.value) return Computed<TrialMix>::Lacking(sand_ratio.problem);
    // The binder, water and admixture stay the design's; only the aggregates move.
    const Computed<Aggregates> aggregates = SolveAggregates(basis.mix, *sand_ratio.value, method);
    if (!aggregates.value) return Computed<TrialMix>::Lacking(aggregates.missing);
    TrialMix trial;
    trial.kind = AdjustmentKind::SandRatio;
    trial.per_cubic_metre = basis.mix;
    trial.per_cubic_metre.sand = aggregates.value->sand;
    trial.per_cubic_metre.stone = aggregates.value->stone;
    trial.ratios = basis.ratios;
    trial.ratios.sand_ratio_percent = *sand_ratio.value;
    return Computed<TrialMix>::Of(trial);
}

} // namespace

std::optional<TrialVolumeMinimum> MinimumFor(double max_aggregate_mm) {
    for (const auto& row : jgj55_2011::kTrialBatchMinimum.rows)
        if (!Exceeds(max_aggregate_mm, row.max_aggregate_mm.value))
            return TrialVolumeMinimum{row.min_litres.value,
                                      Jgj55Clause(jgj55_2011::kTrialBatchMinimum.source)};
    return std::nullopt;
}

Computed<TrialBatch> ComputeTrialBatch(const DesignBasis& basis, const BatchEntry& entry) {
    std::vector<std::string> problems = CheckBasis(basis);
    const Reading litres = ReadLitres(entry);
    if (!litres.value) problems.push_back(litres.problem);
    if (!problems.empty()) return Computed<TrialBatch>::Lacking(problems);
    TrialBatch batch;
    batch.litres = *litres.value;
    batch.masses = BatchOf(basis.mix, batch.litres);
    batch.volume_warning = VolumeWarning(batch.litres, basis.max_aggregate_mm);
    return Computed<TrialBatch>::Of(batch);
}

Computed<TrialMix> ComputeTrialMix(const DesignBasis& basis, const AggregateMethod& method,
                                   const BatchEntry& batch, const AdjustmentEntry& entry) {
    if (std::vector<std::string> problems = CheckBasis(basis); !problems.empty())
        return Computed<TrialMix>::Lacking(problems);
    const Reading slump = ReadInRange(entry.slump_mm, "实测坍落度", jgj55::kSlumpRange);
    Computed<TrialMix> trial;
    switch (entry.kind) {
    case AdjustmentKind::Unchanged:
        trial = Computed<TrialMix>::Of(TrialMix{entry.kind, basis.mix, basis.ratios, 0});
        break;
    case AdjustmentKind::BatchMasses: trial = FromBatchMasses(basis, batch, entry); break;
    case AdjustmentKind::WaterAndAdmixture:
        trial = FromWaterAndAdmixture(basis, method, entry);
        break;
    case AdjustmentKind::SandRatio: trial = FromSandRatio(basis, method, entry); break;
    }
    if (!slump.value) {
        trial.value.reset();
        trial.missing.push_back(slump.problem);
        return trial;
    }
    if (trial.value) trial.value->slump_mm = *slump.value;
    return trial;
}

} // namespace mixora::trial
