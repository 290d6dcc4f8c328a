#include "design_sections.h"

#include "cement_report.h"
#include "design_rules.h"

#include "press.h"
#include "report_terms.h"
#include "gb50010_2010.h"
#include "jgj55_2011.h"

#include <cstdio>

namespace mixora::cement_report {

namespace {

using page::Row;
using page::Section;

using enum calc::Field;

using page::KeyValue;
using page::Note;

Row TermRow(const document::DesignSnapshot& snapshot, calc::Field field) {
    const ReportTerm term = TermOf(field);
    if (field == Text1) return KeyValue(term.term, GradeText(snapshot.text(field)));
    return KeyValue(term.term, snapshot.text(field), term.unit);
}

// A coefficient as entered, "—" when it is not.
std::string Given(const document::DesignSnapshot& snapshot, calc::Field field) {
    return snapshot.text(field).empty() ? "—" : snapshot.text(field);
}

std::string TwoDecimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The sheet's starting texts of a field, as "清零" writes them.
std::string ResetText(calc::Field field) {
    calc::MemorySheet sheet;
    calc::qk(sheet);
    return sheet.text(field);
}

std::string RegressionNote() {
    std::string gravel, crushed;
    namespace jgj55_2011 = standards::jgj55_2011;
    for (const jgj55_2011::RegressionRow& row : jgj55_2011::kRegression.rows) {
        std::string& text = row.coarse == standards::CoarseKind::Gravel ? gravel : crushed;
        text = TwoDecimals(row.alpha_a) + "、" + TwoDecimals(row.alpha_b);
    }
    return "αa = " + ResetText(Text6) + "、αb = " + ResetText(Text7) +
           " 为本程序默认值（旧规程的卵石取值）；" +
           standards::Cited(jgj55_2011::kName, jgj55_2011::kRegression.source) + "：卵石 " +
           gravel + "，碎石 " + crushed + "。";
}

} // namespace

std::optional<Section> AuditWarningSection(const ConsistencyAudit& audit) {
    if (audit.consistent()) return std::nullopt;
    return Section{"注意",
                   {Note("本设计含有不是由所列输入按公式算得的数值（下文标为“给定值”），报告中的"
                         "配合比与输入不一致。如非有意给定，请清空这些项后重新计算。",
                         true)}};
}

Section BasisSection(const document::DesignSnapshot& snapshot) {
    Section section{
        "设计依据",
        {
            KeyValue("设计方法", "仅用水泥，不掺矿物掺合料和外加剂；回归系数 αa = " +
                                     Given(snapshot, Text6) + "、αb = " + Given(snapshot, Text7) +
                                     "，富余系数 γc = " + Given(snapshot, Text9) + "，按输入取用"),
            KeyValue("计算方法", MethodText(snapshot)),
            KeyValue("校核依据", std::string(standards::gb50010_2010::kName) +
                                     std::string(standards::gb50010_2010::kTitle) + "、" +
                                     std::string(standards::jgj55_2011::kName) +
                                     std::string(standards::jgj55_2011::kTitle)),
        }};
    if (snapshot.text(Text6) == ResetText(Text6) && snapshot.text(Text7) == ResetText(Text7))
        section.rows.push_back(Note(RegressionNote()));
    return section;
}

Section InputSection(const document::DesignSnapshot& snapshot) {
    Section section{"设计参数", {}, 3};
    for (const calc::Field field : ReadInputs(snapshot))
        section.rows.push_back(TermRow(snapshot, field));
    std::string empty;
    for (const calc::Field field : OptionalInputs(snapshot)) {
        if (!snapshot.text(field).empty())
            section.rows.push_back(TermRow(snapshot, field));
        else
            empty += (empty.empty() ? "" : "、") + std::string(TermOf(field).term);
    }
    section.rows.push_back(KeyValue("石子种类", AggregateText(snapshot)));
    section.rows.push_back(KeyValue("砂子种类", SandText(snapshot)));
    if (!empty.empty()) section.rows.push_back(KeyValue(empty, "—"));
    return section;
}

std::string AuditedText(const document::DesignSnapshot& snapshot, const ConsistencyAudit& audit,
                        calc::Field field, std::string_view unit) {
    const AuditFinding* finding = audit.Find(field);
    if (!finding) return snapshot.text(field);
    return snapshot.text(field) + (unit.empty() ? "" : " " + std::string(unit)) + "（" +
           GivenValueText(*finding, snapshot) + "）";
}

Section IntermediateSection(const document::DesignSnapshot& snapshot,
                            const ConsistencyAudit& audit) {
    Section section{"计算结果", {}, 2};
    bool any_empty = false;
    for (const calc::Field field : {Text2, Text8, Text10, Text4}) {
        Row row = TermRow(snapshot, field);
        if (audit.Find(field)) {
            row.cells[1] = AuditedText(snapshot, audit, field, row.cells[2]);
            row.cells[2].clear();
            row.alert = true;
        }
        section.rows.push_back(std::move(row));
        any_empty = any_empty || snapshot.text(field).empty();
    }
    if (const std::string minimum = calc::MinimumCementText();
        audit.cement_raised && snapshot.text(Text4) == minimum)
        section.rows.push_back(Note("水泥用量为 " + minimum + "：计算所得水泥用量小于最小值 " +
                                    minimum + " kg/m³ 时取 " + minimum + "。"));
    if (any_empty) section.rows.push_back(Note("空白项尚未计算。"));
    return section;
}

} // namespace mixora::cement_report
