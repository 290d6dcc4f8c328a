#include "cement_report.h"

#include "checks.h"
#include "design_rules.h"
#include "design_sections.h"
#include "field_catalog.h"
#include "least_batch.h"
#include "mix_soundness.h"
#include "report_sections.h"
#include "report_terms.h"
#include "sheet_batch.h"
#include "shown_number.h"

#include <optional>

namespace mixora::cement_report {

namespace {

using enum calc::Field;
using calc::Toggle;
using page::KeyValue;
using page::Note;
using page::ReadShownNumber;
using page::Row;
using page::RowKind;
using page::Section;
using page::ShownReading;
using report::kNoResult;

std::string Joined(std::initializer_list<std::pair<bool, std::string_view>> parts) {
    std::string text;
    for (const auto& [on, name] : parts)
        if (on) text += (text.empty() ? "" : "、") + std::string(name);
    return text;
}

// Why the result frame holds no result, or nothing when every cell is a number.
std::optional<std::string> MissingResult(const document::DesignSnapshot& snapshot) {
    bool as_reset = true;
    for (std::size_t i = 0; i < kAmountFields.size(); ++i) {
        const std::string& text = snapshot.text(kAmountFields[i]);
        as_reset = as_reset && (text.empty() || text == kMaterialNames[i]);
    }
    if (as_reset) return std::string(kNoResult);
    for (const auto& fields : {kAmountFields, kProportionFields}) {
        for (const calc::Field field : fields) {
            const ShownReading reading = ReadShownNumber(snapshot.text(field));
            if (!reading.number)
                return std::string(kNoResult) + "（" +
                       ProblemText(FieldCaption(field), snapshot.text(field), reading.problem) +
                       "）";
        }
    }
    return std::nullopt;
}

// Why the numbers of the frame make no mix (calc/mix_soundness.h), or nothing for a sound mix.
// The texts are read as the Chinese (PRC) settings write them, as the report reads every number.
std::optional<std::string> UnsoundResult(const document::DesignSnapshot& snapshot) {
    calc::MemorySheet sheet;
    document::ApplySnapshot(snapshot, sheet);
    const std::optional<calc::UnsoundMix> unsound =
        calc::FindUnsoundMix(sheet, calc::NumberFormat{});
    if (!unsound) return std::nullopt;
    return calc::UnsoundMixMessage(*unsound);
}

// What the mix and the trial batch say instead of their tables when there is no mix to show.
struct NoMix {
    std::string mix_note;
    std::string trial_note;
};

std::optional<NoMix> NoMixOf(const std::optional<std::string>& missing, bool unsound) {
    if (missing) return NoMix{*missing, std::string(kNoResult) + "，无法计算试拌用量。"};
    if (unsound)
        return NoMix{"计算结果无效，不列出配合比（见页首）。", "计算结果无效，无法计算试拌用量。"};
    return std::nullopt;
}

Section MixSection(const document::DesignSnapshot& snapshot, const std::optional<NoMix>& no_mix,
                   const ConsistencyAudit& audit) {
    Section section{"配合比（每立方米混凝土）", {}};
    if (no_mix) {
        section.rows.push_back(Note(no_mix->mix_note, true));
        return section;
    }
    Row header{RowKind::TableHeader, {"项目"}};
    const bool moist = calc::MoistureGiven(snapshot);
    Row amounts{RowKind::TableRow, {moist ? "调整后用量（kg/m³）" : "用量（kg/m³）"}};
    Row proportions{RowKind::TableRow, {"比例（水泥为 1）"}};
    for (std::size_t i = 0; i < kAmountFields.size(); ++i) {
        header.cells.emplace_back(kMaterialNames[i]);
        amounts.cells.push_back(AuditedText(snapshot, audit, kAmountFields[i], {}));
        proportions.cells.push_back(AuditedText(snapshot, audit, kProportionFields[i], {}));
        amounts.alert = amounts.alert || audit.Find(kAmountFields[i]);
        proportions.alert = proportions.alert || audit.Find(kProportionFields[i]);
    }
    section.rows.push_back(std::move(header));
    section.rows.push_back(std::move(amounts));
    section.rows.push_back(std::move(proportions));

    std::string ratio;
    for (const calc::Field field : kProportionFields)
        ratio += (ratio.empty() ? "" : " : ") + snapshot.text(field);
    section.rows.push_back(KeyValue("质量比（水泥 : 砂 : 石子 : 水）", ratio));

    section.rows.push_back(KeyValue(
        "含水率调整", moist ? "已调整（" + std::string(TermOf(Text21).term) + " " +
                                  snapshot.text(Text21) + "，" + std::string(TermOf(Text24).term) +
                                  " " + snapshot.text(Text24) + "）"
                            : "未调整（" + std::string(TermOf(Text21).term) + "、" +
                                  std::string(TermOf(Text24).term) + "未同时填写）"));
    return section;
}

Section TrialSection(const document::DesignSnapshot& snapshot, const report::ReportInfo& info,
                     const std::optional<NoMix>& no_mix) {
    const SheetBatch batch = ComputeSheetBatch(snapshot, info.trial_volume_litres);
    Section section{"试拌", {KeyValue("试拌体积", batch.litres, "L")}};
    if (no_mix) {
        section.rows.push_back(Note(no_mix->trial_note));
    } else {
        section.rows.push_back(
            {RowKind::TableHeader, {"材料", "每立方米用量（kg/m³）", "试拌用量（kg）"}});
        for (const BatchMaterial& material : batch.materials)
            section.rows.push_back(
                {RowKind::TableRow,
                 {std::string(material.material), material.per_cubic_metre,
                  material.kg ? *material.kg : "无法计算（" + material.problem + "）"},
                 !material.kg});
        section.rows.push_back(Note(std::string(report::kTrialRoundingNote)));
    }
    section.rows.push_back(Note(report::TrialMinimumNote()));
    if (batch.volume_warning) section.rows.push_back(Note(*batch.volume_warning, true));
    return section;
}

Section CheckSection(const document::DesignSnapshot& snapshot, const report::ReportInfo& info) {
    std::vector<Row> rows;
    for (const CheckLine& line : RunChecks(snapshot, info.environment, info.structure))
        rows.push_back({RowKind::TableRow,
                        {line.item, line.value, line.limit, line.source, ConclusionText(line)},
                        line.verdict == Verdict::Fails});
    return report::ChecksSection(std::move(rows));
}

} // namespace

std::string MethodText(const document::DesignSnapshot& snapshot) {
    return Joined(
        {{snapshot.is_on(Toggle::option1), "体积法"}, {snapshot.is_on(Toggle::option2), "质量法"}});
}

std::string AggregateText(const document::DesignSnapshot& snapshot) {
    return Joined({{snapshot.is_on(Toggle::卵石), "卵石"}, {snapshot.is_on(Toggle::碎石), "碎石"}});
}

std::string SandText(const document::DesignSnapshot& snapshot) {
    return Joined({{snapshot.is_on(Toggle::细砂), "细砂"}, {snapshot.is_on(Toggle::粗砂), "粗砂"}});
}

page::ReportPage BuildReport(const document::DesignSnapshot& snapshot,
                             const report::ReportInfo& info) {
    const std::optional<std::string> missing = MissingResult(snapshot);
    const std::optional<std::string> unsound = missing ? std::nullopt : UnsoundResult(snapshot);
    const std::optional<NoMix> no_mix = NoMixOf(missing, unsound.has_value());
    const ConsistencyAudit audit = AuditConsistency(snapshot);
    page::ReportPage report_page{std::string(kReportTitle), {}};
    std::vector<Section>& sections = report_page.sections;
    // The first thing a reader sees: this sheet is no mix to use.
    if (unsound) sections.push_back({"", {Note(*unsound, true)}});
    if (std::optional<Section> warning = AuditWarningSection(audit))
        sections.push_back(std::move(*warning));
    sections.insert(sections.end(),
                    {report::HeaderSection(info, info.environment, info.structure),
                     BasisSection(snapshot), InputSection(snapshot),
                     IntermediateSection(snapshot, audit), MixSection(snapshot, no_mix, audit),
                     TrialSection(snapshot, info, no_mix), CheckSection(snapshot, info),
                     report::RemarksSection(info), report::SignatureSection(info)});
    return report_page;
}

} // namespace mixora::cement_report
