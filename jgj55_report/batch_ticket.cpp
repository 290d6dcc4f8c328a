#include "batch_ticket.h"

#include "admixture_water.h"
#include "choices.h"
#include "jgj55_basis.h"
#include "lab_identity.h"
#include "material_rows.h"
#include "requirements_section.h"
#include "shown_value.h"
#include "trial_number.h"
#include "trial_rows.h"
#include "trial_sections.h"
#include "typed_number.h"

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
    Section section{
        "",
        {
            KeyValue("工程名称", info.project),
            KeyValue("使用部位", info.location),
            KeyValue("配合比编号", info.mix_number),
            KeyValue("报告编号", info.report_number),
            KeyValue("强度等级", std::string(jgj55::GradeName(inputs.grade))),
            KeyValue("浇筑方式", info.placing_method),
            KeyValue("坍落度",
                     inputs.unread.contains("slump") ? "—" : SlumpWithTolerance(inputs.slump)),
            KeyValue("签发时间", info.issued_at.empty() ? info.date : info.issued_at),
        },
        2};
    if (const std::string required = RequirementsLine(inputs); !required.empty())
        section.rows.push_back(KeyValue("特殊要求", required));
    return section;
}

// What the plant works to beyond the grade and slump (the pumping height and bore, the chloride
// row), and what the trial's records showed of each requirement; none without requirements.
std::optional<Section> RequirementsOnTicket(const jgj55::Inputs& inputs, const Jgj55Trial& trial,
                                            const TrialEntries& entries) {
    std::optional<Section> section = RequirementsSection(inputs);
    if (!section) return std::nullopt;
    // The header names them (the first row); the advice and the trial's notes are the lab's.
    section->rows.erase(section->rows.begin());
    std::erase_if(section->rows, [](const Row& row) { return row.kind != RowKind::KeyValue; });
    section->pairs_per_line = 2;
    if (trial.basis.value)
        if (const SpecialChecks checks =
                CheckSpecialRecords(*trial.basis.value, trial.record, entries);
            !checks.checks.empty())
            for (Row& row : SpecialCheckRows(checks))
                section->rows.push_back(std::move(row));
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
    // Cubes made from another design issue nothing until a new trial or a reason.
    if (!trial.record.match.may_issue()) {
        section.rows.push_back(Note("不予签发：" + trial.record.match.Refusal(), true));
        return section;
    }
    if (!density.value) {
        section.rows.push_back(Note("尚无设计配合比（" + Gap(trial, kDensityStage) + "）", true));
        return section;
    }
    const RatioChoice& choice = *trial.record.choice.value;
    const MixTable table = MixTableOf(*trial.basis.value);
    section.rows.push_back(table.Header("项目"));
    section.rows.push_back(table.Amounts("用量（kg/m³）", density.value->per_cubic_metre, 0, 2));
    section.rows.push_back(KeyValue("水胶比", Fixed(choice.ratios.water_binder, 2)));
    section.rows.push_back(KeyValue("砂率", Plain(choice.ratios.sand_ratio_percent), "%"));
    section.rows.push_back(Note("表观密度校正：" + density.value->rule));
    for (Row& row : StillHolds(trial.record.match))
        section.rows.push_back(std::move(row));
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

Section ProductionSection(const Jgj55Trial& trial, const report::ReportInfo& info) {
    Section section{"施工配合比", {}};
    const Computed<ProductionMix>& production = trial.record.production;
    if (!trial.record.match.may_issue()) {
        section.rows.push_back(Note("不予签发：试配结果" + std::string(kStaleText), true));
        return section;
    }
    if (!production.value) {
        section.rows.push_back(
            Note("尚无施工配合比（" + Gap(trial, kProductionStage) + "）", true));
        return section;
    }
    const AdmixtureWater water = AdmixtureWaterOf(info);
    if (!water.problem.empty()) section.rows.push_back(Note(water.problem, true));
    const MixTable table = MixTableOf(*trial.basis.value);
    section.rows.push_back(table.Header("项目"));
    section.rows.push_back(
        table.Amounts("每立方米（kg/m³）", water.Net(production.value->per_cubic_metre), 0, 2));
    const Computed<Mix>& per_batch = production.value->per_batch;
    if (per_batch.value) {
        section.rows.push_back(
            table.Amounts("每盘 " + Plain(production.value->capacity_m3) + " m³（kg）",
                          water.Net(*per_batch.value), 0, 2));
    } else {
        for (const std::string& reason : per_batch.missing)
            section.rows.push_back(Note("尚无每盘用量：" + reason, true));
    }
    section.rows.push_back(Note(water.Said() + "。"));
    return section;
}

// The lines to sign on, the plant's receiver's last.
Section TicketSignatures(const report::ReportInfo& info) {
    return {"",
            {
                {RowKind::Signature, {"试验", info.tested_by}},
                {RowKind::Signature, {"审核", info.reviewed_by}},
                {RowKind::Signature, {"签发", info.approved_by}},
                {RowKind::Signature, {"接收", info.received_by}},
            }};
}

} // namespace

page::ReportPage BuildBatchTicket(const jgj55::Inputs& inputs, const jgj55::Result& result,
                                  const TrialEntries& entries, const report::ReportInfo& typed_info,
                                  const CitedMaterials& cited) {
    const report::ReportInfo info = WithCitedValues(typed_info, cited);
    const Jgj55Trial trial = RunJgj55Trial(inputs, result, entries);
    page::ReportPage ticket{
        std::string(kBatchTicketTitle),
        {HeaderSection(inputs, info), MaterialSection(inputs, typed_info, cited)}};
    if (!cited.records.empty()) ticket.sections.push_back(CitedRecordsSection(cited));
    // The special concretes' requirements go here, before the mixes.
    if (auto requirements = RequirementsOnTicket(inputs, trial, entries))
        ticket.sections.push_back(std::move(*requirements));
    ticket.sections.push_back(DesignMixSection(trial));
    ticket.sections.push_back(MoistureSection(trial, entries.production));
    ticket.sections.push_back(ProductionSection(trial, info));
    ticket.sections.push_back(TicketSignatures(info));
    ticket.running_head = report::RunningHead(info);
    return ticket;
}

} // namespace mixora::jgj55_report
