#include "trial_texts.h"

#include "trial_ids.h"
#include "plausibility.h"
#include "special_tests.h"
#include "trial_number.h"

#include <string_view>

namespace mixora::ui {

namespace {

namespace ids = trial_ids;
using trial::Fixed;
using trial::Joined;
using trial::Mix;

using Texts = std::map<int, std::string>;

// The materials of the row from `first` on and its 硅灰: kg to `decimals`, the admixture to
// `admixture`.
void PutMix(Texts& texts, int first, const Mix& mix, int decimals, int admixture) {
    const double amounts[] = {mix.cement, mix.fly_ash, mix.slag, mix.water, mix.sand, mix.stone};
    for (int k = 0; k < 6; ++k)
        texts[first + k] = Fixed(amounts[k], decimals);
    texts[first + 6] = Fixed(mix.admixture, admixture);
    texts[ids::SilicaFumeOf(first)] = Fixed(mix.silica_fume, decimals);
}
void PutPerCubicMetre(Texts& texts, int first, const Mix& mix) {
    PutMix(texts, first, mix, 0, 2);
}
// A trial batch: to 0.01 kg, the admixture to 1 g.
void PutBatch(Texts& texts, int first, const Mix& mix) {
    PutMix(texts, first, mix, 2, 3);
}

std::string BasisText(const trial::Computed<trial::DesignBasis>& basis) {
    if (!basis.value) return "设计尚不能计算，试配各阶段缺少依据：" + Joined(basis.missing);
    const trial::DesignBasis& b = *basis.value;
    const Mix& m = b.mix;
    const std::string silica_fume =
        b.ratios.silica_fume_percent > 0 ? "、硅灰 " + Fixed(m.silica_fume, 0) : "";
    return "依据设计：水泥 " + Fixed(m.cement, 0) + "、粉煤灰 " + Fixed(m.fly_ash, 0) + "、矿粉 " +
           Fixed(m.slag, 0) + silica_fume + "、水 " + Fixed(m.water, 0) + "、砂 " +
           Fixed(m.sand, 0) + "、石 " + Fixed(m.stone, 0) + "、外加剂 " + Fixed(m.admixture, 2) +
           " kg/m³；水胶比 " + Fixed(b.ratios.water_binder, 2) + "，砂率 " +
           Fixed(b.ratios.sand_ratio_percent, 1) + "%，粗骨料最大公称粒径 " +
           trial::Plain(b.max_aggregate_mm) +
           " mm，配制强度 fcu,0 = " + Fixed(b.target_strength, 1) + " MPa";
}

// The least volume for the design's aggregate, or what is wrong with the volume typed.
std::string LitresNote(const trial::Computed<trial::DesignBasis>& basis,
                       const trial::TrialRecord& record) {
    if (record.batch.value && record.batch.value->volume_warning)
        return *record.batch.value->volume_warning;
    if (!basis.value) return {};
    const double size = basis.value->max_aggregate_mm;
    const std::optional<trial::TrialVolumeMinimum> minimum = trial::MinimumFor(size);
    if (!minimum) return {};
    return "不少于 " + trial::Plain(minimum->min_litres) + " L（粗骨料最大公称粒径 " +
           trial::Plain(size) + " mm，" + std::string(minimum->clause) + "）";
}

std::string GroupText(const trial::GroupResult& group, trial::SpecimenSize size) {
    if (!group.valid()) return group.group.reason;
    std::string text = "代表值 " + Fixed(group.group.value, 1) + " MPa" +
                       (group.group.rule == trial::GroupRule::Middle
                            ? "（取中间值，" + std::string(trial::kGroupClause) + "）"
                            : "（平均值）");
    if (size != trial::SpecimenSize::Mm150)
        text += "，折算为 150 mm 立方体 " + Fixed(group.converted, 1) + " MPa";
    return text;
}

void PutStrengths(Texts& texts, const trial::TrialRecord& record) {
    if (record.strength_mixes.value)
        for (int n = 0; n < 3; ++n) {
            const trial::StrengthMix& mix = record.strength_mixes.value->mixes[std::size_t(n)];
            texts[ids::MixWaterBinder(n)] = Fixed(mix.ratios.water_binder, 2);
            texts[ids::MixSandRatio(n)] = Fixed(mix.ratios.sand_ratio_percent, 1);
            if (mix.batch.value) PutBatch(texts, ids::MixBatch(n), *mix.batch.value);
        }
    if (!record.strengths.value) return;
    const trial::StrengthResults& results = *record.strengths.value;
    for (int n = 0; n < 3; ++n) {
        const auto& group = results.groups[std::size_t(n)];
        if (group.value)
            texts[ids::GroupValue(n)] = GroupText(*group.value, results.specimen);
        else if (results.entered[std::size_t(n)]) // which entry does not read, at once
            texts[ids::GroupValue(n)] = Joined(group.missing);
    }
}

void PutChoice(Texts& texts, const trial::TrialRecord& record) {
    if (!record.choice.value) return;
    const trial::RatioChoice& choice = *record.choice.value;
    texts[ids::Equation] = trial::EquationText(choice.line);
    texts[ids::RSquared] = Fixed(choice.line.r_squared, 4);
    texts[ids::BinderWater] = Fixed(choice.binder_water, 2) + "（由 " +
                              Fixed(choice.exact_binder_water, 3) + " 向上取至 0.01）";
    texts[ids::ChosenWaterBinder] = Fixed(choice.ratios.water_binder, 2);
    if (choice.extrapolation) texts[ids::Extrapolation] = *choice.extrapolation;
    PutPerCubicMetre(texts, ids::DesignMix, choice.per_cubic_metre);
    // ρc,c needs nothing measured.
    texts[ids::ComputedDensity] = Fixed(choice.per_cubic_metre.without_admixture(), 0);
}

void PutDensity(Texts& texts, const trial::TrialRecord& record) {
    if (!record.density.value) return;
    const trial::DensityCorrection& density = *record.density.value;
    texts[ids::ComputedDensity] = Fixed(density.computed, 0);
    texts[ids::Delta] = Fixed(density.delta, 2);
    texts[ids::Difference] = Fixed(density.difference_percent, 1);
    texts[ids::DensityRule] = density.rule;
    PutPerCubicMetre(texts, ids::CorrectedMix, density.per_cubic_metre);
}

void PutProduction(Texts& texts, const trial::TrialRecord& record) {
    if (!record.production.value) return;
    const trial::ProductionMix& production = *record.production.value;
    PutPerCubicMetre(texts, ids::ProductionMix, production.per_cubic_metre);
    if (production.per_batch.value) PutMix(texts, ids::PerBatch, *production.per_batch.value, 0, 2);
}

// The fields not yet filled in are told as one, where the first of them stands: "第 1 组（水胶比
// 0.47）试件 1 抗压强度 等 9 项未填写", so that the other reasons still fit the line.
std::vector<std::string> Summarised(const std::vector<std::string>& reasons) {
    constexpr std::string_view kUnfilled = "未填写";
    std::vector<std::string> shown;
    std::size_t first = 0, unfilled = 0;
    for (const std::string& reason : reasons) {
        if (!reason.ends_with(kUnfilled)) {
            shown.push_back(reason);
        } else if (unfilled++ == 0) {
            first = shown.size();
            shown.push_back(reason);
        }
    }
    if (unfilled > 1)
        shown[first] = shown[first].substr(0, shown[first].size() - kUnfilled.size()) + " 等 " +
                       std::to_string(unfilled) + " 项" + std::string(kUnfilled);
    return shown;
}

// "第 1、2 组": the strength groups recorded.
std::string MadeGroups(const trial::CastRecord& cast) {
    std::string groups;
    for (const trial::CastBatch& made : cast.batches)
        if (made.kind == trial::kCastKinds[0].key)
            groups += (groups.empty() ? "第 " : "、") + std::to_string(made.index + 1);
    return groups.empty() ? "尚无" : groups + " 组";
}

// Whether what was made matches the design, with the groups recorded, and the notes.
void PutRecord(Texts& texts, const trial::Computed<trial::DesignBasis>& basis,
               const trial::TrialRecord& record, const trial::TrialEntries& entries) {
    const trial::TrialMatch& match = record.match;
    std::string state;
    if (!match.recorded)
        state = "试件成型时记录其配合比（填写成型日期、试件编号或强度时自动记录）";
    else if (match.matches())
        state = "已记录试件成型时的配合比（" + MadeGroups(*entries.cast) + "），与当前设计一致";
    else if (match.reason.empty())
        state = std::string(trial::kStaleText) + "：" + match.Why() +
                "。可按“新试配…”重新试配，或填写理由后按“说明理由”";
    else
        state = std::string(trial::kStaleText) + "：" + match.Why() + "；理由：" + match.reason;
    if (entries.cast && !entries.cast->note.empty()) state += "（" + entries.cast->note + "）";
    texts[ids::MatchNote] = state;
    if (basis.value) {
        const auto notes = trial::PlausibilityNotes(basis.value->slump_mm, entries, record);
        if (!notes.empty()) texts[ids::Plausibility] = "提示：" + Joined(notes);
    }
}

// Each record of 特殊要求试验 with its check, and each repeat batch's value.
void PutSpecial(Texts& texts, const trial::Computed<trial::DesignBasis>& basis,
                const trial::TrialRecord& record, const trial::TrialEntries& entries) {
    if (!basis.value) return;
    static constexpr std::pair<trial::SpecialKind, int> kLines[] = {
        {trial::SpecialKind::SlumpAfterWait, ids::SlumpCheck},
        {trial::SpecialKind::Seepage, ids::SeepageCheck},
        {trial::SpecialKind::Repeats, ids::RepeatCheck},
        {trial::SpecialKind::TemperatureRise, ids::TemperatureCheck},
        {trial::SpecialKind::Air, ids::AirCheck},
        {trial::SpecialKind::Chloride, ids::ChlorideCheck},
    };
    const trial::SpecialChecks checks = trial::CheckSpecialRecords(*basis.value, record, entries);
    for (const auto& [kind, id] : kLines)
        if (const trial::SpecialCheck* check = checks.Find(kind)) texts[id] = SpecialLine(*check);
    for (int n = 0; n < 3; ++n)
        texts[ids::RepeatValue(n)] = checks.repeats[std::size_t(n)];
}

} // namespace

std::string SpecialLine(const trial::SpecialCheck& check) {
    std::string line(trial::StateName(check.state));
    line += "：";
    if (!check.value.empty()) line += check.value + "；";
    line += (check.limit.empty() ? "" : "要求 " + check.limit + "，") + check.source;
    if (!check.reason.empty()) line += "；" + check.reason;
    return line;
}

std::string HistoryText(const trial::TrialEntries& entries) {
    if (entries.history.empty()) return "本设计没有较早的试配。";
    std::string text;
    for (std::size_t i = 0; i < entries.history.size(); ++i) {
        const trial::TrialAttempt& past = entries.history[i];
        text += "第 " + std::to_string(i + 1) + " 次试配";
        if (!past.cast) {
            text += "：未记录试件\n\n";
            continue;
        }
        std::string design;
        for (const trial::StampItem& item : past.cast->design)
            if (item.key == "grade" || item.key == "water_binder" || item.key == "target_strength")
                design += (design.empty() ? "" : "，") + item.name + " " + item.text;
        text += "（" + design + "）\n";
        for (const trial::CastBatch& made : past.cast->batches) {
            const bool repeat = made.kind == trial::kCastKinds[1].key;
            const trial::GroupEntry& group =
                (repeat ? past.special.repeats : past.strength.groups)[std::size_t(made.index)];
            text += repeat ? "  重复试验 W/B " : "  W/B ";
            text += Fixed(made.mix.ratios.water_binder, 2) + "：" + group.strengths[0] + " / " +
                    group.strengths[1] + " / " + group.strengths[2] + " MPa";
            if (!made.made_on.empty()) text += "，成型 " + made.made_on;
            if (!made.specimen_numbers.empty()) text += "，试件 " + made.specimen_numbers;
            text += "\n";
        }
        if (!past.cast->accepted.reason.empty())
            text += "  理由：" + past.cast->accepted.reason + "\n";
        text += "\n";
    }
    return text;
}

Texts TrialTexts(const trial::Computed<trial::DesignBasis>& basis, const trial::TrialRecord& record,
                 const trial::TrialEntries& entries) {
    Texts texts;
    texts[ids::Basis] = BasisText(basis);
    texts[ids::LitresNote] = LitresNote(basis, record);
    if (record.batch.value) PutBatch(texts, ids::BatchMasses, record.batch.value->masses);
    if (record.trial_mix.value) {
        const trial::TrialMix& mix = *record.trial_mix.value;
        PutPerCubicMetre(texts, ids::TrialMix, mix.per_cubic_metre);
        texts[ids::TrialWaterBinder] = Fixed(mix.ratios.water_binder, 2);
        texts[ids::TrialSandRatio] = Fixed(mix.ratios.sand_ratio_percent, 1);
    }
    PutStrengths(texts, record);
    PutChoice(texts, record);
    PutDensity(texts, record);
    PutProduction(texts, record);
    const auto stages = trial::Stages(record);
    for (std::size_t n = 0; n < stages.size(); ++n)
        texts[ids::Stage(static_cast<int>(n))] = StageLine(stages[n]);
    PutRecord(texts, basis, record, entries);
    PutSpecial(texts, basis, record, entries);
    return texts;
}

std::string StageLine(const trial::StageState& stage) {
    const std::string name(stage.name);
    if (stage.filled && !stage.missing.empty()) // the production mix without its batch
        return name + "：每盘用量无法计算：" + Joined(stage.missing);
    if (stage.filled) return name + "：已填写";
    if (stage.missing.empty()) return name + "：未完成";
    return name + "：" + Joined(Summarised(stage.missing));
}

} // namespace mixora::ui
