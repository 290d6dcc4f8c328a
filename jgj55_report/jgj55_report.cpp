#include "jgj55_report.h"

#include "jgj55_2011.h"
#include "input_reading.h"
#include "jgj55_basis.h"
#include "least_batch.h"
#include "report_sections.h"
#include "shown_value.h"
#include "step_catalog.h"
#include "text_prefix.h"
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

// An input as the report shows it: its value, or the text typed when it does not read (there is
// no value to show).
std::string Input(const jgj55::Inputs& inputs, std::string_view key, double value, int decimals) {
    if (const auto unread = inputs.unread.find(key); unread != inputs.unread.end())
        return "“" + calc::TextPrefix(unread->second) + "”（有误）";
    return Number(value, decimals);
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
                        KeyValue("坍落度", Input(inputs, "slump", inputs.slump, 0), "mm"),
                        KeyValue("水泥", Text(jgj55::NameOf(inputs.cement_kind)) + " " +
                                             Text(jgj55::NameOf(inputs.cement_grade))),
                        KeyValue("粉煤灰", Text(jgj55::NameOf(inputs.fly_ash_grade)) + "，掺量 " +
                                               Input(inputs, "fly_ash_share",
                                                     inputs.fly_ash_share, 0) +
                                               " %"),
                        KeyValue("矿粉", Text(jgj55::NameOf(inputs.slag_grade)) + "，掺量 " +
                                             Input(inputs, "slag_share", inputs.slag_share, 0) +
                                             " %"),
                        KeyValue("粗骨料", Text(jgj55::NameOf(inputs.coarse)) + "，最大粒径 " +
                                               Text(jgj55::NameOf(inputs.max_size))),
                        KeyValue("砂", Text(jgj55::NameOf(inputs.sand))),
                        KeyValue("外加剂掺量",
                                 Input(inputs, "admixture_dosage", inputs.admixture_dosage, 1),
                                 "%"),
                        KeyValue("外加剂减水率",
                                 Input(inputs, "water_reduction", inputs.water_reduction, 0), "%"),
                    },
                    3};
    if (inputs.method == jgj55::Method::Mass) {
        section.rows.push_back(KeyValue(
            "假定容重", Input(inputs, "assumed_mass", inputs.assumed_mass, 0), "kg/m³"));
    } else {
        const jgj55::VolumeMethodInputs& v = inputs.volume;
        const auto density = [&](std::string_view caption, std::string_view key, double value) {
            section.rows.push_back(KeyValue(caption, Input(inputs, key, value, 0), "kg/m³"));
        };
        density("水泥密度", "cement_density", v.cement_density);
        density("粉煤灰密度", "fly_ash_density", v.fly_ash_density);
        density("矿粉密度", "slag_density", v.slag_density);
        density("砂表观密度", "sand_density", v.sand_density);
        density("石表观密度", "stone_density", v.stone_density);
        density("水密度", "water_density", v.water_density);
        section.rows.push_back(
            KeyValue("含气量 α", Input(inputs, "air_percent", v.air_percent, 0), "%"));
    }
    // Nothing below is computed while an input does not read: say which, before all of it.
    if (const std::string problem = jgj55::FirstInputProblem(inputs); !problem.empty())
        section.rows.insert(section.rows.begin(),
                            Note("输入有误：" + problem + "。本报告不给出计算结果。", true));
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
