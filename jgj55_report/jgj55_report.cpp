#include "jgj55_report.h"

#include "jgj55_2011.h"
#include "jgj55_basis.h"
#include "least_batch.h"
#include "report_sections.h"
#include "requirements_section.h"
#include "shown_value.h"
#include "step_catalog.h"
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

std::string Number(double value, int decimals) {
    return jgj55::FormatGiven(value, decimals);
}

// The materials of the mix in the order the report and the clipboard list them.
struct Material {
    std::string_view name;
    Quantity quantity;
};
constexpr Material kMaterials[] = {
    {"水泥", Quantity::Cement},      {"粉煤灰", Quantity::FlyAsh}, {"矿粉", Quantity::Slag},
    {"水", Quantity::Water},         {"砂", Quantity::Sand},       {"石", Quantity::Stone},
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
    Section section{"设计参数",
                    {
                        KeyValue("设计规程", Text(standards::jgj55_2011::kName) +
                                                 Text(standards::jgj55_2011::kTitle)),
                        KeyValue("计算方法", Text(jgj55::NameOf(inputs.method))),
                        KeyValue("强度等级", Text(jgj55::GradeName(inputs.grade))),
                        KeyValue("坍落度", Number(inputs.slump, 0), "mm"),
                        KeyValue("水泥", Text(jgj55::NameOf(inputs.cement_kind)) + " " +
                                             Text(jgj55::NameOf(inputs.cement_grade))),
                        KeyValue("粉煤灰", Text(jgj55::NameOf(inputs.fly_ash_grade)) + "，掺量 " +
                                               Number(inputs.fly_ash_share, 0) + " %"),
                        KeyValue("矿粉", Text(jgj55::NameOf(inputs.slag_grade)) + "，掺量 " +
                                             Number(inputs.slag_share, 0) + " %"),
                        KeyValue("粗骨料", Text(jgj55::NameOf(inputs.coarse)) + "，最大粒径 " +
                                               Text(jgj55::NameOf(inputs.max_size))),
                        KeyValue("砂", Text(jgj55::NameOf(inputs.sand))),
                        KeyValue("外加剂掺量", Number(inputs.admixture_dosage, 1), "%"),
                        KeyValue("外加剂减水率", Number(inputs.water_reduction, 0), "%"),
                    },
                    3};
    if (inputs.method == jgj55::Method::Mass) {
        section.rows.push_back(KeyValue("假定容重", Number(inputs.assumed_mass, 0), "kg/m³"));
    } else {
        const jgj55::VolumeMethodInputs& v = inputs.volume;
        section.rows.push_back(KeyValue("水泥密度", Number(v.cement_density, 0), "kg/m³"));
        section.rows.push_back(KeyValue("粉煤灰密度", Number(v.fly_ash_density, 0), "kg/m³"));
        section.rows.push_back(KeyValue("矿粉密度", Number(v.slag_density, 0), "kg/m³"));
        section.rows.push_back(KeyValue("砂表观密度", Number(v.sand_density, 0), "kg/m³"));
        section.rows.push_back(KeyValue("石表观密度", Number(v.stone_density, 0), "kg/m³"));
        section.rows.push_back(KeyValue("水密度", Number(v.water_density, 0), "kg/m³"));
        section.rows.push_back(KeyValue("含气量 α", Number(v.air_percent, 0), "%"));
    }
    return section;
}

Section StepSection(const jgj55::StepInfo& step, const jgj55::Result& result) {
    Section section{"步骤 " + std::to_string(step.number) + "　" + step.title,
                    {Note("公式：" + step.formula),
                     Note("依据：" + step.source),
                     {RowKind::TableHeader, {"参数", "数值", "单位", "来源"}}}};
    for (const Quantity quantity : step.quantities) {
        const jgj55::QuantityInfo& info = jgj55::InfoOf(quantity);
        const jgj55::Parameter& parameter = result[quantity];
        section.rows.push_back(
            {RowKind::TableRow,
             {Text(info.name) + " " + Text(info.symbol), parameter.value ? parameter.text : "—",
              Text(info.unit),
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
        header.cells.emplace_back(material.name);
        amounts.cells.push_back(result[material.quantity].text);
    }
    section.rows.push_back(std::move(header));
    section.rows.push_back(std::move(amounts));
    section.rows.push_back(KeyValue("胶凝材料", result[Quantity::Binder].text, "kg/m³"));
    section.rows.push_back(KeyValue("计算密度", result[Quantity::Density].text, "kg/m³"));
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

Section TrialSection(const jgj55::Inputs& inputs, const jgj55::Result& result,
                     const std::optional<std::string>& missing) {
    const standards::Limit& litres = TrialLitres(inputs.max_size);
    Section section{"试拌", {KeyValue("试拌体积", Text(litres.text), "L")}};
    if (missing) {
        section.rows.push_back(Note(Text(kNoResult) + "，无法计算试拌用量。"));
    } else {
        section.rows.push_back(
            {RowKind::TableHeader, {"材料", "每立方米用量（kg/m³）", "试拌用量（kg）"}});
        const double volume = litres.value;
        for (const Material& material : kMaterials) {
            const jgj55::Parameter& parameter = result[material.quantity];
            const double kg = jgj55::RoundShown(*parameter.value * volume / 1000, 2);
            section.rows.push_back(
                {RowKind::TableRow,
                 {Text(material.name), parameter.text, jgj55::FormatFixed(kg, 2)}});
        }
        section.rows.push_back(Note(Text(report::kTrialRoundingNote)));
    }
    section.rows.push_back(Note(report::TrialMinimumNote()));
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
                                  const report::ReportInfo& info) {
    const std::optional<std::string> missing = MissingMix(result);
    page::ReportPage report_page{Text(kJgj55ReportTitle), {}};
    std::vector<Section>& sections = report_page.sections;
    sections.push_back(report::HeaderSection(info, inputs.environment, inputs.structure));
    sections.push_back(InputSection(inputs));
    if (auto requirements = RequirementsSection(inputs))
        sections.push_back(std::move(*requirements));
    for (const jgj55::StepInfo& step : jgj55::DesignSteps())
        sections.push_back(StepSection(step, result));
    sections.push_back(MixSection(result, missing));
    sections.push_back(TrialSection(inputs, result, missing));
    sections.push_back(CheckSection(result));
    if (trial::TrialStarted(entries)) {
        std::vector<Section> trial_sections =
            TrialSections(trial::RunJgj55Trial(inputs, result, entries), entries);
        sections.insert(sections.end(), std::make_move_iterator(trial_sections.begin()),
                        std::make_move_iterator(trial_sections.end()));
    }
    // The remarks and the signatures close the whole report, the trial included.
    sections.push_back(report::RemarksSection(info));
    sections.push_back(report::SignatureSection(info));
    return report_page;
}

} // namespace mixora::jgj55_report
