#include "jgj55_report.h"

#include "jgj55_2011.h"
#include "input_reading.h"
#include "jgj55_basis.h"
#include "lab_identity.h"
#include "least_batch.h"
#include "material_rows.h"
#include "report_sections.h"
#include "requirements_section.h"
#include "shown_value.h"
#include "step_catalog.h"
#include "shown_input.h"
#include "trial_batch.h"
#include "trial_number.h"
#include "trial_rows.h"
#include "trial_sections.h"

#include <optional>

namespace mixora::jgj55_report {

namespace {

using jgj55::Origin;
using jgj55::Quantity;
using jgj55::Verdict;
using page::KeyValue;
using page::Note;
using page::Row;
using page::RowKind;
using page::Section;
using report::kNoResult;

std::string Text(std::string_view text) {
    return std::string(text);
}

// The materials of the mix in the order the report and the clipboard list them.
struct Material {
    std::string_view name;
    Quantity quantity;
};
constexpr Material kMaterials[] = {
    {"水泥", Quantity::Cement},
    {"粉煤灰", Quantity::FlyAsh},
    {standards::kSlagName, Quantity::Slag},
    {standards::kSilicaFumeName, Quantity::SilicaFume},
    {"水", Quantity::Water},
    {"砂", Quantity::Sand},
    {"石", Quantity::Stone},
    {"外加剂", Quantity::Admixture},
};

// Why the mix cannot be given, or nothing when every material is known.
std::optional<std::string> MissingMix(const jgj55::Result& result) {
    for (const Material& material : kMaterials) {
        const jgj55::Parameter& parameter = result[material.quantity];
        if (!parameter.value)
            return Text(kNoResult) + "（" + Text(material.name) + "：" + parameter.reason + "）";
    }
    return std::nullopt;
}

Section InputSection(const jgj55::Inputs& inputs) {
    Section section{
        "设计参数",
        {
            KeyValue("设计规程",
                     Text(standards::jgj55_2011::kName) + Text(standards::jgj55_2011::kTitle)),
            KeyValue("计算方法", Text(jgj55::NameOf(inputs.method))),
            KeyValue("强度等级", Text(jgj55::GradeName(inputs.grade))),
            KeyValue("坍落度", ShownInput(inputs, "slump", inputs.slump, 0), "mm"),
            KeyValue("外加剂减水率",
                     ShownInput(inputs, "water_reduction", inputs.water_reduction, 0), "%"),
        },
        3};
    // The materials' densities stand in the materials' table.
    if (inputs.method == jgj55::Method::Mass) {
        section.rows.push_back(KeyValue("拌合物假定质量 mcp",
                                        ShownInput(inputs, "assumed_mass", inputs.assumed_mass, 0),
                                        "kg/m³"));
    } else {
        section.rows.push_back(
            KeyValue("水密度", ShownInput(inputs, "water_density", inputs.volume.water_density, 0),
                     "kg/m³"));
        section.rows.push_back(KeyValue(
            "含气量 α", ShownInput(inputs, "air_percent", inputs.volume.air_percent, 0), "%"));
    }
    // Nothing below is computed while an input does not read: say which, before all of it.
    if (const std::string problem = jgj55::FirstInputProblem(inputs); !problem.empty())
        section.rows.insert(section.rows.begin(),
                            Note("输入有误：" + problem + "。本报告不给出计算结果。", true));
    return section;
}

Section CheckSection(const jgj55::Result& result);

Section StepSection(const jgj55::StepInfo& step, const jgj55::Result& result) {
    Section section{"步骤 " + std::to_string(step.number) + "　" + step.title,
                    {Note("公式：" + step.formula)}};
    // A step of sums and ratios rests on no clause: no empty 依据.
    if (!step.source.empty()) section.rows.push_back(Note("依据：" + step.source));
    // A step that derives nothing checks: its table is the checks'.
    if (step.quantities.empty()) {
        Section checks = CheckSection(result);
        section.rows.insert(section.rows.end(), checks.rows.begin(), checks.rows.end());
        return section;
    }
    section.rows.push_back({RowKind::TableHeader, {"参数", "数值", "单位", "来源"}});
    for (const Quantity quantity : step.quantities) {
        if (jgj55::Omitted(result, quantity)) continue;
        const jgj55::QuantityInfo& info = jgj55::InfoOf(quantity);
        const jgj55::Parameter& parameter = result[quantity];
        section.rows.push_back(
            {RowKind::TableRow,
             {Text(info.name) + " " + Text(info.symbol), parameter.value ? parameter.text : "—",
              info.unit.empty() ? "—" : Text(info.unit),
              parameter.note.empty() ? SourceText(parameter)
                                     : SourceText(parameter) + "；" + parameter.note},
             parameter.origin == Origin::Unavailable});
    }
    return section;
}

Section MixSection(const jgj55::Result& result, const std::optional<std::string>& missing) {
    Section section{"配合比（每立方米混凝土）", {}};
    if (missing) {
        section.rows.push_back(Note(*missing, true));
        return section;
    }
    Row header{RowKind::TableHeader, {"项目"}};
    Row amounts{RowKind::TableRow, {"用量（kg/m³）"}};
    for (const Material& material : kMaterials) {
        if (jgj55::Omitted(result, material.quantity)) continue;
        header.cells.emplace_back(material.name);
        amounts.cells.push_back(result[material.quantity].text);
    }
    section.rows.push_back(std::move(header));
    section.rows.push_back(std::move(amounts));
    section.rows.push_back(KeyValue("胶凝材料", result[Quantity::Binder].text, "kg/m³"));
    section.rows.push_back(KeyValue("计算表观密度 ρc,c", result[Quantity::Density].text, "kg/m³"));
    section.rows.push_back(KeyValue("质量比（胶凝材料 : 砂 : 石 : 水）", result.mass_ratio));
    return section;
}

// The least trial batch for the largest aggregate size (表 6.1.2); the last row's above it.
const standards::Limit& TrialLitres(jgj55::MaxSize size) {
    const auto& rows = standards::jgj55_2011::kTrialBatchMinimum.rows;
    const double mm = jgj55::MaxSizeMm(size);
    for (const auto& row : rows)
        if (mm <= row.max_aggregate_mm.value) return row.min_litres;
    return rows.back().min_litres;
}

// The trial batch before the trial is started: the header's volume, computed as the trial
// computes its batch, so that it reads the same once the trial takes over.
Section TrialSection(const jgj55::Inputs& inputs, const jgj55::Result& result,
                     const report::ReportInfo& info, const std::optional<std::string>& missing) {
    const std::string litres = report::LitresText(info.trial_volume_litres);
    Section section{"试拌", {KeyValue("试拌体积", litres, "L")}};
    const trial::Jgj55Trial trial = trial::RunJgj55Trial(inputs, result, {});
    if (missing) {
        section.rows.push_back(Note(Text(kNoResult) + "，无法计算试拌用量。"));
    } else if (!trial.basis.value) { // the design is computed, but the trial cannot take it
        section.rows.push_back(
            Note("无法计算试拌用量：" + trial::Joined(trial.basis.missing) + "。", true));
    } else if (const auto batch =
                   trial::ComputeTrialBatch(*trial.basis.value, trial::BatchEntry{litres});
               !batch.value) {
        for (const std::string& reason : batch.missing)
            section.rows.push_back(Note("无法计算试拌用量：" + reason, true));
    } else {
        if (batch.value->volume_warning)
            section.rows.push_back(Note(*batch.value->volume_warning, true));
        const MixTable table = MixTableOf(*trial.basis.value);
        section.rows.push_back(table.Header("项目"));
        section.rows.push_back(
            table.Amounts("每立方米用量（kg/m³）", trial.basis.value->mix, 0, 2));
        section.rows.push_back(table.Amounts("试拌用量（kg）", batch.value->masses, 2, 3));
        section.rows.push_back(Note(Text(report::kTrialRoundingNote)));
    }
    section.rows.push_back(Note(report::TrialMinimumNote()));
    return section;
}

// What the report recommends: the design mix the trial confirmed (after the density
// correction), with its ratios and what it holds for; nothing before the trial has given it.
Section ConclusionSection(const jgj55::Inputs& inputs, const trial::Jgj55Trial& trial,
                          const report::ReportInfo& info) {
    Section section{"结论：推荐配合比", {}};
    // Cubes made from another design recommend nothing until a new trial or a reason.
    if (!trial.record.match.may_issue()) {
        section.rows.push_back(Note("不予推荐：" + trial.record.match.Refusal(), true));
        return section;
    }
    const auto& density = trial.record.density;
    if (!trial.basis.value || !density.value || !trial.record.choice.value) {
        std::string why = !trial.basis.value
                              ? trial::Joined(trial.basis.missing)
                              : "试配尚未完成（" + trial::Joined(density.missing) + "）";
        section.rows.push_back(Note("尚无推荐配合比：" + why + "。计算配合比须经试配确定。", true));
        return section;
    }
    const trial::Mix& mix = density.value->per_cubic_metre;
    const trial::MixRatios& ratios = trial.record.choice.value->ratios;
    const auto ratio = [&](double amount) {
        return trial::Fixed(jgj55::RoundShown(amount / mix.binder(), 2), 2);
    };
    const MixTable table = MixTableOf(*trial.basis.value);
    section.rows.push_back(table.Header("项目"));
    section.rows.push_back(table.Amounts("每立方米用量（kg/m³）", mix, 0, 2));
    section.rows.push_back(KeyValue("水胶比 W/B", trial::Fixed(ratios.water_binder, 2)));
    section.rows.push_back(KeyValue("砂率 βs", trial::Plain(ratios.sand_ratio_percent), "%"));
    section.rows.push_back(KeyValue("胶凝材料用量", trial::Fixed(mix.binder(), 0), "kg/m³"));
    section.rows.push_back(
        KeyValue("质量比（胶凝材料 : 砂 : 石 : 水）",
                 "1 : " + ratio(mix.sand) + " : " + ratio(mix.stone) + " : " + ratio(mix.water)));
    std::string conditions = "适用条件：强度等级 " + Text(jgj55::GradeName(inputs.grade)) +
                             "，坍落度 " + SlumpWithTolerance(inputs.slump);
    if (!info.placing_method.empty()) conditions += "，" + info.placing_method;
    // The requirements it was designed and tried for (「特殊要求」, 「特殊要求试验」).
    if (const std::string required = RequirementsLine(inputs); !required.empty())
        conditions += "，特殊要求 " + required;
    conditions += "；原材料为上表「原材料」所列品种、等级与批次，砂、石以干燥状态计，"
                  "施工时按实测含水率调整（配合比通知单）；原材料或其批次改变时应重新试配。";
    section.rows.push_back(Note(conditions));
    for (Row& row : StillHolds(trial.record.match))
        section.rows.push_back(std::move(row));
    section.pairs_per_line = 2;
    return section;
}

Section CheckSection(const jgj55::Result& result) {
    std::vector<Row> rows;
    for (const jgj55::Check& check : result.checks) {
        std::string verdict = Text(jgj55::VerdictName(check.verdict));
        if (!check.reason.empty()) verdict += "（" + check.reason + "）";
        rows.push_back({RowKind::TableRow,
                        {check.item, check.value, check.limit, check.source, verdict},
                        check.verdict == Verdict::Fails});
    }
    return report::ChecksSection(std::move(rows));
}

} // namespace

std::string SourceText(const jgj55::Parameter& parameter) {
    switch (parameter.origin) {
    case Origin::Automatic: return "自动（" + parameter.source + "）";
    case Origin::Given: return "给定";
    case Origin::NotNeeded:
    case Origin::Unavailable:
        return Text(jgj55::OriginName(parameter.origin)) + "：" + parameter.reason;
    }
    return {};
}

std::string Jgj55TrialLitres(jgj55::MaxSize size) {
    return Text(TrialLitres(size).text);
}

page::ReportPage BuildJgj55Report(const jgj55::Inputs& inputs, const jgj55::Result& result,
                                  const trial::TrialEntries& entries,
                                  const report::ReportInfo& typed_info,
                                  const CitedMaterials& cited) {
    const report::ReportInfo info = WithCitedValues(typed_info, cited);
    const std::optional<std::string> missing = MissingMix(result);
    page::ReportPage report_page{Text(kJgj55ReportTitle), {}};
    report_page.running_head = report::RunningHead(info);
    std::vector<Section>& sections = report_page.sections;
    Section header = report::HeaderSection(info, inputs.environment, inputs.structure);
    header.rows.insert(header.rows.begin() + 3, KeyValue("配合比编号", info.mix_number));
    sections.push_back(std::move(header));
    sections.push_back(MaterialSection(inputs, typed_info, cited, true));
    if (!cited.records.empty()) sections.push_back(CitedRecordsSection(cited));
    sections.push_back(InputSection(inputs));
    if (auto requirements = RequirementsSection(inputs))
        sections.push_back(std::move(*requirements));
    for (const jgj55::StepInfo& step : jgj55::DesignSteps())
        sections.push_back(StepSection(step, result));
    sections.push_back(MixSection(result, missing));
    const trial::Jgj55Trial trial = trial::RunJgj55Trial(inputs, result, entries);
    if (trial::TrialStarted(entries)) {
        // The trial's own 试拌 stage gives the batch, once.
        std::vector<Section> trial_sections = TrialSections(trial, entries, info);
        sections.insert(sections.end(), std::make_move_iterator(trial_sections.begin()),
                        std::make_move_iterator(trial_sections.end()));
    } else {
        sections.push_back(TrialSection(inputs, result, info, missing));
    }
    sections.push_back(ConclusionSection(inputs, trial, info));
    // The remarks and the signatures close the whole report, the trial included; a page never
    // parts them from the recommended mix they sign.
    sections.push_back(report::RemarksSection(info));
    sections.push_back(report::SignatureSection(info));
    const auto closing = sections.end() - 3;
    closing[0].keep = closing[1].keep = page::Keep::WithNext;
    closing[2].keep = page::Keep::Together;
    return report_page;
}

} // namespace mixora::jgj55_report
