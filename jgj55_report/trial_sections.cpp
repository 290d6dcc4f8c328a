#include "trial_sections.h"

#include "admixture_water.h"
#include "plausibility.h"
#include "special_tests.h"
#include "trial_notes.h"
#include "trial_number.h"
#include "trial_rows.h"
#include "trial_sources.h"

#include <array>

namespace mixora::jgj55_report {

namespace {

// The sections speak the trial's vocabulary throughout.
using namespace trial;
using page::Heading;
using page::KeyValue;
using page::Note;
using page::Row;
using page::RowKind;
using page::Section;

// Each stage's method in words and the clause it rests on (none where the method cites none);
// the strength mixes' W/B step follows the design's grade.
struct StageText {
    std::string note;
    std::string_view standard;
    std::string_view clause;
};
StageText MethodOf(std::size_t stage, const DesignBasis& basis) {
    switch (stage) {
    case 0: return {TrialBatchNote(), jgj55_2011::kName, jgj55_2011::kTrialBatchMinimum.source};
    case 1: return {TrialMixNote(), jgj55_2011::kName, jgj55_2011::kTrialMixSource};
    case 2: {
        const standards::Constant& step = StrengthMixWaterBinderStep(basis.grade);
        return {StrengthMixNote(step, basis.ratios.silica_fume_percent > 0), jgj55_2011::kName,
                step.source};
    }
    case 3: return {StrengthGroupNote(), gbt50081::kName, {}};
    case 4: return {RatioChoiceNote(), jgj55_2011::kName, jgj55_2011::kRatioChoiceSource};
    case 5: return {DensityNote(), jgj55_2011::kName, jgj55_2011::kDensityTolerancePercent.source};
    }
    return {ProductionNote(), {}, {}};
}

std::string RuleName(GroupRule rule) {
    switch (rule) {
    case GroupRule::Mean: return "平均值";
    case GroupRule::Middle: return "中间值";
    case GroupRule::Invalid: return "无效";
    }
    return {};
}

std::vector<Row> BatchRows(const DesignBasis& basis, const TrialBatch& batch,
                           const TrialEntries& entries) {
    std::vector<Row> rows{SourcedHeader(), Sourced("试拌体积", Typed(entries.batch.litres), "L",
                                                   std::string(kGiven))};
    if (batch.volume_warning) rows.push_back(Note(*batch.volume_warning, true));
    rows.push_back(Heading("试拌用量"));
    const MixTable table = MixTableOf(basis);
    rows.push_back(table.Header("项目"));
    rows.push_back(table.Amounts("设计每立方米用量（kg/m³）", basis.mix, 0, 2));
    rows.push_back(table.Amounts("试拌用量（kg）", batch.masses, 2, 3));
    return rows;
}

std::vector<Row> TrialMixRows(const TrialMix& mix, const TrialEntries& entries,
                              const MixTable& table) {
    const AdjustmentEntry& entry = entries.adjustment;
    const std::string given(kGiven);
    std::vector<Row> rows{SourcedHeader(),
                          Sourced("调整方式", std::string(NamesOf(mix.kind).name), "", given)};
    switch (mix.kind) {
    case AdjustmentKind::Unchanged:
    case AdjustmentKind::BatchMasses: break;
    case AdjustmentKind::WaterAndAdmixture:
        rows.push_back(Sourced("调整后用水量", Typed(entry.water), "kg/m³", given));
        rows.push_back(Sourced("调整后外加剂用量", Typed(entry.admixture), "kg/m³", given));
        break;
    case AdjustmentKind::SandRatio:
        rows.push_back(Sourced("调整后砂率", Typed(entry.sand_ratio_percent), "%", given));
        break;
    }
    rows.push_back(Sourced("实测坍落度", Typed(entry.slump_mm), "mm", given));
    // Only the ratios the adjustment moved are the trial's own; the others stay the design's.
    const bool from_masses = mix.kind == AdjustmentKind::BatchMasses;
    const bool new_dosage = from_masses || mix.kind == AdjustmentKind::WaterAndAdmixture;
    rows.push_back(Sourced("水胶比 W/B", Fixed(mix.ratios.water_binder, 2), "",
                           from_masses ? Automatic("水 ÷ 胶凝材料") : "设计"));
    rows.push_back(Sourced("砂率 βs", Plain(mix.ratios.sand_ratio_percent), "%",
                           from_masses                             ? Automatic("砂 ÷ (砂 + 石)")
                           : mix.kind == AdjustmentKind::SandRatio ? given
                                                                   : "设计"));
    rows.push_back(Sourced("外加剂掺量", Plain(mix.ratios.admixture_percent), "%",
                           new_dosage ? Automatic("外加剂 ÷ 胶凝材料") : "设计"));
    rows.push_back(Heading("试拌配合比"));
    rows.push_back(table.Header("项目"));
    if (from_masses) rows.push_back(table.Typed("实际试拌用量（kg，给定）", entry.batch_masses));
    rows.push_back(table.Amounts("试拌配合比（kg/m³）", mix.per_cubic_metre, 0, 2));
    return rows;
}

std::vector<Row> StrengthMixRows(const StrengthMixes& mixes, const MixTable& table) {
    Row header = table.Header("水胶比");
    header.cells.insert(header.cells.begin() + 1, "砂率（%）");
    const auto row = [&table](const StrengthMix& mix, const Mix& amounts, int decimals,
                              int admixture_decimals) {
        Row r =
            table.Amounts(Fixed(mix.ratios.water_binder, 2), amounts, decimals, admixture_decimals);
        r.cells.insert(r.cells.begin() + 1, Plain(mix.ratios.sand_ratio_percent));
        return r;
    };
    std::vector<Row> rows{Heading("每立方米用量（kg/m³）"), header};
    for (const StrengthMix& mix : mixes.mixes)
        rows.push_back(row(mix, mix.per_cubic_metre, 0, 2));
    const Computed<Mix>& first_batch = mixes.mixes.front().batch;
    if (!first_batch.value) {
        for (const std::string& reason : first_batch.missing)
            rows.push_back(Note("无法给出每组试拌用量：" + reason, true));
        return rows;
    }
    rows.push_back(Heading("每组试拌用量（kg）"));
    rows.push_back(header);
    for (const StrengthMix& mix : mixes.mixes)
        if (mix.batch.value) rows.push_back(row(mix, *mix.batch.value, 2, 3));
    return rows;
}

std::vector<Row> StrengthResultRows(const StrengthResults& results, const StrengthMixes& mixes,
                                    const TrialEntries& entries) {
    const SpecimenSizeRow& size = SizeRow(results.specimen);
    const std::string given(kGiven);
    std::vector<Row> rows{
        SourcedHeader(),
        Sourced("试件尺寸", std::string(size.name), "", given),
        Sourced("尺寸换算系数", Fixed(size.factor, 2), "", Automatic(kGroupClause)),
        Sourced("试验龄期", Typed(entries.strength.age_days), "d", given),
        Heading("各组抗压强度"),
        {RowKind::TableHeader,
         {"组别", "水胶比", "胶水比", "试件强度（MPa，给定）", "取值", "代表值（MPa）",
          "换算值（MPa）", "表观密度（kg/m³，给定）"}},
    };
    std::vector<Row> notes;
    for (std::size_t i = 0; i < results.groups.size(); ++i) {
        const Computed<GroupResult>& group = results.groups[i];
        const GroupEntry& entry = entries.strength.groups[i];
        const double water_binder = mixes.mixes[i].ratios.water_binder;
        const std::string number = std::to_string(i + 1);
        if (!group.value) {
            rows.push_back({RowKind::TableRow,
                            {number, Fixed(water_binder, 2), "—", "—", "—", "—", "—", "—"}});
            for (const std::string& reason : group.missing)
                notes.push_back(Note(reason, true));
            continue;
        }
        const GroupResult& g = *group.value;
        const bool valid = g.valid();
        rows.push_back(
            {RowKind::TableRow,
             {number, Fixed(g.water_binder, 2), Fixed(g.binder_water, 3),
              Typed(entry.strengths[0]) + " / " + Typed(entry.strengths[1]) + " / " +
                  Typed(entry.strengths[2]),
              RuleName(g.group.rule), valid ? Fixed(g.group.value, 1) : "—",
              valid ? Fixed(g.converted, 1) : "—", g.density ? Typed(entry.density) : "—"},
             !valid});
        if (!g.group.reason.empty())
            notes.push_back(Note("第 " + number + " 组：" + g.group.reason, !valid));
    }
    rows.insert(rows.end(), notes.begin(), notes.end());
    return rows;
}

std::vector<Row> ChoiceRows(const RatioChoice& choice, const DesignBasis& basis,
                            const MixTable& table) {
    std::vector<Row> rows{
        SourcedHeader(),
        Sourced("回归方程", EquationText(choice.line), "", Automatic("最小二乘法")),
        Sourced("相关系数平方 R²", Fixed(choice.line.r_squared, 4), "", Automatic("最小二乘法")),
        Sourced("配制强度 fcu,0", Fixed(basis.target_strength, 1), "MPa", "设计"),
        Sourced("胶水比计算值", Fixed(choice.exact_binder_water, 3), "",
                Automatic("(fcu,0 − b) ÷ a")),
        Sourced("选定胶水比 B/W", Fixed(choice.binder_water, 2), "", Automatic("向上取至 0.01")),
        Sourced("水胶比 W/B", Fixed(choice.ratios.water_binder, 2), "",
                Automatic("用水量 ÷ 胶凝材料")),
        Sourced("砂率 βs", Plain(choice.ratios.sand_ratio_percent), "%", "试拌配合比"),
        Sourced("外加剂掺量", Plain(choice.ratios.admixture_percent), "%", "试拌配合比"),
    };
    if (choice.extrapolation) rows.push_back(Note(*choice.extrapolation, true));
    rows.push_back(Heading("设计配合比"));
    rows.push_back(table.Header("项目"));
    rows.push_back(table.Amounts("设计配合比（kg/m³）", choice.per_cubic_metre, 0, 2));
    return rows;
}

std::vector<Row> DensityRows(const DensityCorrection& density, const TrialEntries& entries,
                             const MixTable& table) {
    return {
        SourcedHeader(),
        Sourced("计算表观密度 ρc,c", Fixed(density.computed, 0), "kg/m³",
                Automatic("除外加剂外各材料用量之和")),
        Sourced("实测表观密度 ρc,t", Typed(entries.density.measured), "kg/m³", std::string(kGiven)),
        Sourced("相差", Fixed(density.difference_percent, 1), "%",
                Automatic("|ρc,t − ρc,c| ÷ ρc,c")),
        Sourced("校正系数 δ", Fixed(density.delta, 2), "", Automatic("ρc,t ÷ ρc,c")),
        Note(density.rule, density.corrected),
        Heading(density.corrected ? "校正后的设计配合比" : "设计配合比"),
        table.Header("项目"),
        table.Amounts(density.corrected ? "校正后设计配合比（kg/m³）" : "设计配合比（kg/m³）",
                      density.per_cubic_metre, 0, 2),
    };
}

std::vector<Row> ProductionRows(const ProductionMix& production, const TrialEntries& entries,
                                const AdmixtureWater& water, const MixTable& table) {
    const ProductionEntry& entry = entries.production;
    const std::string given(kGiven);
    std::vector<Row> rows{
        SourcedHeader(),
        Sourced("砂含水率 ws", Typed(entry.sand_moisture_percent), "%", given),
        Sourced("石含水率 wg", Typed(entry.stone_moisture_percent), "%", given),
        Sourced("含水率测定时间", Typed(entry.measured_at), "", given),
    };
    if (production.per_batch.value)
        rows.push_back(Sourced("搅拌机每盘方量", Typed(entry.mixer_capacity_m3), "m³", given));
    rows.push_back(Heading("施工配合比"));
    rows.push_back(table.Header("项目"));
    rows.push_back(table.Amounts("施工配合比（kg/m³）", production.per_cubic_metre, 0, 2));
    if (production.per_batch.value)
        rows.push_back(table.Amounts("每盘用量（kg）", *production.per_batch.value, 0, 2));
    else
        for (const std::string& reason : production.per_batch.missing)
            rows.push_back(Note("无法给出每盘用量：" + reason, true));
    if (!water.problem.empty()) rows.push_back(Note(water.problem, true));
    if (!water.solid_percent) return rows;
    // The plant weighs the water less the admixture's own: the batch ticket's amounts.
    rows.push_back(Note(water.Said() + "，配合比通知单列出的用量："));
    rows.push_back(
        table.Amounts("通知单每立方米（kg/m³）", water.Net(production.per_cubic_metre), 0, 2));
    if (production.per_batch.value)
        rows.push_back(
            table.Amounts("通知单每盘（kg）", water.Net(*production.per_batch.value), 0, 2));
    return rows;
}

// The values of a filled stage.
std::vector<Row> ValueRows(std::size_t stage, const DesignBasis& basis, const TrialRecord& record,
                           const TrialEntries& entries, const AdmixtureWater& water) {
    const MixTable table = MixTableOf(basis);
    switch (stage) {
    case 0: return BatchRows(basis, *record.batch.value, entries);
    case 1: return TrialMixRows(*record.trial_mix.value, entries, table);
    case 2: return StrengthMixRows(*record.strength_mixes.value, table);
    case 3:
        return StrengthResultRows(*record.strengths.value, *record.strength_mixes.value, entries);
    case 4: return ChoiceRows(*record.choice.value, basis, table);
    case 5: return DensityRows(*record.density.value, entries, table);
    case 6: return ProductionRows(*record.production.value, entries, water, table);
    }
    return {};
}

// "试配、调整与确定（JGJ 55-2011 第 6 章）".
std::string TrialTitle() {
    return "试配、调整与确定（" + Jgj55Clause(jgj55_2011::kTrialChapterSource) + "）";
}

std::string StageTitle(std::size_t stage, std::string_view name) {
    return "试配 " + std::to_string(stage + 1) + "　" + std::string(name);
}

std::string StatusOf(const StageState& stage) {
    return stage.stale ? std::string(kStaleText) : stage.filled ? "已完成" : "未完成";
}

// Whether what was made still matches the design, the user's reason when it holds anyway, how
// the record came about, and the notes on entries that look like a slip.
std::vector<Row> RecordRows(const DesignBasis& basis, const TrialRecord& record,
                            const TrialEntries& entries) {
    std::vector<Row> rows;
    const TrialMatch& match = record.match;
    if (!match.matches()) {
        rows.push_back(KeyValue("与当前设计不符", match.Why()));
        rows.push_back(match.reason.empty() ? Note(match.Refusal(), true)
                                            : KeyValue("原试配结果仍适用的理由", match.reason));
    }
    if (entries.cast && !entries.cast->note.empty()) rows.push_back(Note(entries.cast->note));
    if (!entries.history.empty())
        rows.push_back(Note("本设计另有 " + std::to_string(entries.history.size()) +
                            " 次较早的试配，保存在设计文件中"));
    for (const std::string& note : PlausibilityNotes(basis.slump_mm, entries, record))
        rows.push_back(Note("提示：" + note));
    return rows;
}

Section Overview(const DesignBasis& basis, const TrialRecord& record, const TrialEntries& entries,
                 const std::array<StageState, 7>& stages) {
    Section section{TrialTitle(),
                    {KeyValue("配制强度 fcu,0", Fixed(basis.target_strength, 1), "MPa")}};
    const std::vector<Row> notes = RecordRows(basis, record, entries);
    section.rows.insert(section.rows.end(), notes.begin(), notes.end());
    section.rows.push_back({RowKind::TableHeader, {"阶段", "状态"}});
    for (std::size_t i = 0; i < stages.size(); ++i)
        section.rows.push_back(
            {RowKind::TableRow, {StageTitle(i, stages[i].name), StatusOf(stages[i])}});
    return section;
}

// The repeat batches of a high-strength design as entered, each with its value.
std::vector<Row> RepeatRows(const SpecialChecks& checks, const TrialEntries& entries) {
    std::vector<Row> rows{{RowKind::TableHeader,
                           {"盘次", "试件强度（MPa，给定）", "成型日期", "试件编号", "代表值"}}};
    for (std::size_t i = 0; i < entries.special.repeats.size(); ++i) {
        if (checks.repeats[i].empty()) continue;
        const GroupEntry& batch = entries.special.repeats[i];
        rows.push_back({RowKind::TableRow,
                        {"第 " + std::to_string(i + 1) + " 盘",
                         Typed(batch.strengths[0]) + " / " + Typed(batch.strengths[1]) + " / " +
                             Typed(batch.strengths[2]),
                         Typed(batch.made_on), Typed(batch.specimen_numbers), checks.repeats[i]}});
    }
    return rows.size() > 1 ? rows : std::vector<Row>{};
}

// What the design's special requirements asked of the trial, each record with its check; none
// when the design asks nothing.
std::optional<Section> SpecialSection(const DesignBasis& basis, const TrialRecord& record,
                                      const TrialEntries& entries) {
    const SpecialChecks checks = CheckSpecialRecords(basis, record, entries);
    if (checks.checks.empty()) return std::nullopt;
    Section section{"特殊要求试验（" + Jgj55Clause(jgj55_2011::kSpecialChapterSource) + "）",
                    SpecialCheckRows(checks)};
    for (Row& row : RepeatRows(checks, entries))
        section.rows.push_back(std::move(row));
    // A record read apart from its check, or the repeat batches from theirs, would mislead.
    section.keep = page::Keep::Together;
    return section;
}

// The overview of the stages, then one section per stage.
std::vector<Section> StageSections(const DesignBasis& basis, const TrialRecord& record,
                                   const TrialEntries& entries, const AdmixtureWater& water) {
    const std::array<StageState, 7> stages = Stages(record);
    std::vector<Section> sections{Overview(basis, record, entries, stages)};
    for (std::size_t i = 0; i < stages.size(); ++i) {
        const StageState& stage = stages[i];
        const StageText text = MethodOf(i, basis);
        Section section{StageTitle(i, stage.name),
                        {KeyValue("状态", StatusOf(stage)), Note("方法：" + text.note)}};
        if (!text.standard.empty())
            section.rows.push_back(Note("依据：" + standards::Cited(text.standard, text.clause)));
        if (stage.filled) {
            std::vector<Row> values = ValueRows(i, basis, record, entries, water);
            section.rows.insert(section.rows.end(), values.begin(), values.end());
        } else {
            for (const std::string& reason : stage.missing)
                section.rows.push_back(Note((stage.stale ? "" : "尚缺：") + reason, true));
        }
        if (i == 4 && stage.filled) section.chart = record.choice.value->plot;
        // A stage is read as one: its status and method not at one page's foot, its values on
        // the next.
        section.keep = page::Keep::Together;
        sections.push_back(std::move(section));
    }
    if (std::optional<Section> special = SpecialSection(basis, record, entries))
        sections.push_back(std::move(*special));
    return sections;
}

} // namespace

std::vector<Row> SpecialCheckRows(const SpecialChecks& checks) {
    std::vector<Row> rows{
        {RowKind::TableHeader, {"项目", "试配记录（给定）", "要求", "依据", "结论"}}};
    for (const SpecialCheck& check : checks.checks) {
        std::string verdict(StateName(check.state));
        if (!check.reason.empty()) verdict += "（" + check.reason + "）";
        rows.push_back({RowKind::TableRow,
                        {check.item, check.value.empty() ? "—" : check.value,
                         check.limit.empty() ? "—" : check.limit, check.source, verdict},
                        check.state == RecordState::Fails || check.state == RecordState::Stale});
    }
    return rows;
}

std::vector<Section> TrialSections(const Jgj55Trial& trial, const TrialEntries& entries,
                                   const report::ReportInfo& info) {
    if (trial.basis.value)
        return StageSections(*trial.basis.value, trial.record, entries, AdmixtureWaterOf(info));
    return {{TrialTitle(),
             {Note("设计配合比尚无计算结果，无法试配：" + Joined(trial.basis.missing), true)}}};
}

} // namespace mixora::jgj55_report
