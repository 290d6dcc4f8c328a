#include "batch_ticket.h"

#include "choices.h"
#include "jgj55_basis.h"
#include "requirements_section.h"
#include "report_sections.h"
#include "shown_value.h"
#include "trial_number.h"
#include "trial_rows.h"

namespace mixora::jgj55_report {

namespace {

// The ticket speaks the trial's vocabulary throughout.
using namespace trial;
using page::KeyValue;
using page::Note;

using page::Row;
using page::RowKind;
using page::Section;

// The stages the ticket's parts rest on (Stages' order).
constexpr std::size_t kDensityStage = 5;
constexpr std::size_t kProductionStage = 6;

Section HeaderSection(const jgj55::Inputs& inputs, const report::ReportInfo& info) {
    Section section{"",
                    {
                        KeyValue("工程名称", info.project),
                        KeyValue("使用部位", info.location),
                        KeyValue("强度等级", std::string(jgj55::GradeName(inputs.grade))),
                        KeyValue("坍落度", jgj55::FormatGiven(inputs.slump, 0), "mm"),
                        KeyValue("报告编号", info.report_number),
                        KeyValue("日期", info.date),
                    },
                    2};
    if (const std::string required = RequirementsLine(inputs); !required.empty())
        section.rows.push_back(KeyValue("特殊要求", required));
    return section;
}

// Why the part of the ticket that stage `last` gives cannot be given: the design's reasons, or
// what the first stage not filled lacks, named when it is an earlier one.
std::string Gap(const Jgj55Trial& trial, std::size_t last) {
    if (!trial.basis.value) return "设计配合比尚无计算结果：" + Joined(trial.basis.missing);
    const std::array<StageState, 7> stages = Stages(trial.record);
    for (std::size_t i = 0; i <= last && i < stages.size(); ++i)
        if (!stages[i].filled)
            return (i == last ? "" : std::string(stages[i].name) + "：") +
                   Joined(stages[i].missing);
    return {};
}

Section DesignMixSection(const Jgj55Trial& trial) {
    Section section{"设计配合比（每立方米混凝土）", {}};
    const Computed<DensityCorrection>& density = trial.record.density;
    if (!density.value) {
        section.rows.push_back(Note("尚无设计配合比（" + Gap(trial, kDensityStage) + "）", true));
        return section;
    }
    const RatioChoice& choice = *trial.record.choice.value;
    section.rows.push_back(MixHeader("项目"));
    section.rows.push_back(MixRow("用量（kg/m³）", density.value->per_cubic_metre, 0, 2));
    section.rows.push_back(KeyValue("水胶比", Fixed(choice.ratios.water_binder, 2)));
    section.rows.push_back(KeyValue("砂率", Plain(choice.ratios.sand_ratio_percent), "%"));
    section.rows.push_back(Note("表观密度校正：" + density.value->rule));
    section.pairs_per_line = 2;
    return section;
}

Section MoistureSection(const Jgj55Trial& trial, const ProductionEntry& entry) {
    Section section{"砂石含水率", {}, 3};
    const Computed<ProductionMix>& production = trial.record.production;
    if (!production.value) {
        // Before the design mix is known the moisture is not what is missing yet.
        if (trial.record.density.value)
            for (const std::string& reason : production.missing)
                section.rows.push_back(Note("尚缺：" + reason, true));
        else
            section.rows.push_back(Note("设计配合比确定后给出"));
        return section;
    }
    section.rows.push_back(KeyValue("砂含水率", Typed(entry.sand_moisture_percent), "%"));
    section.rows.push_back(KeyValue("石含水率", Typed(entry.stone_moisture_percent), "%"));
    section.rows.push_back(KeyValue("测定时间", Typed(entry.measured_at)));
    return section;
}

Section ProductionSection(const Jgj55Trial& trial) {
    Section section{"施工配合比", {}};
    const Computed<ProductionMix>& production = trial.record.production;
    if (!production.value) {
        section.rows.push_back(
            Note("尚无施工配合比（" + Gap(trial, kProductionStage) + "）", true));
        return section;
    }
    section.rows.push_back(MixHeader("项目"));
    section.rows.push_back(MixRow("每立方米（kg/m³）", production.value->per_cubic_metre, 0, 2));
    const Computed<Mix>& per_batch = production.value->per_batch;
    if (per_batch.value) {
        section.rows.push_back(MixRow("每盘 " + Plain(production.value->capacity_m3) + " m³（kg）",
                                      *per_batch.value, 0, 2));
    } else {
        for (const std::string& reason : per_batch.missing)
            section.rows.push_back(Note("尚无每盘用量：" + reason, true));
    }
    return section;
}

} // namespace

page::ReportPage BuildBatchTicket(const jgj55::Inputs& inputs, const jgj55::Result& result,
                                  const TrialEntries& entries, const report::ReportInfo& info) {
    const Jgj55Trial trial = RunJgj55Trial(inputs, result, entries);
    return {std::string(kBatchTicketTitle),
            {HeaderSection(inputs, info), DesignMixSection(trial),
             MoistureSection(trial, entries.production), ProductionSection(trial),
             report::SignatureSection(info, "签发")}};
}

} // namespace mixora::jgj55_report
