#include "consistency_audit.h"

#include "design_rules.h"

#include "conversions.h"
#include "field_catalog.h"
#include "press.h"
#include "shown_number.h"
#include "step_context.h"

#include <algorithm>
#include <cmath>

namespace mixora::cement_report {

using page::ReadShownNumber;
using page::ShownReading;

namespace {

using enum calc::Field;

// Every field a press writes: the design steps' results, then the result frame.
constexpr calc::Field kDesignResults[] = {Text2, Text8, Text10, Text4};
constexpr calc::Field kFrame[] = {Text11, Text12, Text13, Text14, Text30, Text31, Text32, Text33};

struct RecordedNotices final : calc::Notices {
    std::vector<std::string> messages;
    void notify(std::string_view message) override { messages.emplace_back(message); }
};

std::optional<double> NumberOf(std::string_view text) {
    const ShownReading reading = ReadShownNumber(text);
    if (!reading.number) return std::nullopt;
    const double value =
        static_cast<double>(reading.number->coefficient) * std::pow(10.0, reading.number->exponent);
    return reading.number->negative ? -value : value;
}

// The decimals the text shows ("38.23" 2, "260" 0, "1.00" 2); exponent forms count by their
// digits after the point as well, which only makes the comparison stricter.
int ShownDecimals(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return 0;
    int decimals = 0;
    for (std::size_t i = point + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        ++decimals;
    return decimals;
}

// Shown and computed agree when the computed value rounds to the shown one at the shown
// precision (a tie counts as agreeing either way).
bool Agrees(std::string_view shown, double shown_value, double computed) {
    const double half_step = 0.5 * std::pow(10.0, -ShownDecimals(shown));
    return std::fabs(computed - shown_value) <= half_step * (1.0 + 1e-9) + 1e-12;
}

bool InFrame(calc::Field field) {
    return std::ranges::find(kFrame, field) != std::end(kFrame);
}

std::string FormulaOf(calc::Field field, const document::DesignSnapshot& snapshot,
                      bool cement_raised) {
    switch (field) {
    case Text2: return "fcu,k + 1.645σ";
    case Text8: return "αa·γc·fce,g / (fcu,0 + αa·αb·γc·fce,g)";
    case Text10: return "1 / (W/C)";
    case Text4:
        return cement_raised ? "mw0 / (W/C)（小于 " + calc::MinimumCementText() + " 时取 " +
                                   calc::MinimumCementText() + "）"
                             : "mw0 / (W/C)";
    default: break;
    }
    std::string method = snapshot.is_on(calc::Toggle::option2) ? "质量法" : "体积法";
    if (calc::MoistureGiven(snapshot)) method += "及含水率调整";
    return method;
}

// The sheet after one press of a copy of the snapshot with the given fields emptied, and
// whether the cement step took the minimum.
struct Recomputed {
    calc::MemorySheet sheet;
    bool cement_raised = false;
};

Recomputed PressWithout(const document::DesignSnapshot& snapshot,
                        std::initializer_list<calc::Field> emptied) {
    Recomputed result;
    document::ApplySnapshot(snapshot, result.sheet);
    for (const calc::Field field : kFrame)
        result.sheet.set_text(field, "");
    for (const calc::Field field : emptied)
        result.sheet.set_text(field, "");
    RecordedNotices notices;
    // A fault ends the press; what it reached is still audited, the rest stays empty.
    (void)calc::Press(result.sheet, notices, calc::NumberFormat{});
    result.cement_raised =
        std::ranges::find(notices.messages, calc::MinimumCementNotice()) != notices.messages.end();
    return result;
}

void Compare(const document::DesignSnapshot& snapshot, const calc::Sheet& sheet, calc::Field field,
             ConsistencyAudit& audit) {
    const std::string& shown = snapshot.text(field);
    const std::string computed = sheet.text(field);
    const std::optional<double> shown_value = NumberOf(shown);
    const std::optional<double> computed_value = NumberOf(computed);
    if (!shown_value || !computed_value) return;
    if (!Agrees(shown, *shown_value, *computed_value)) audit.findings.push_back({field, computed});
}

} // namespace

const AuditFinding* ConsistencyAudit::Find(calc::Field field) const {
    const auto at = std::ranges::find(findings, field, &AuditFinding::field);
    return at == findings.end() ? nullptr : &*at;
}

// Each step is audited from the texts its inputs show, the earlier results included: a result
// that follows from a given one is not itself given, and a result left from other inputs is
// found even when the given one before it was typed on purpose.
ConsistencyAudit AuditConsistency(const document::DesignSnapshot& snapshot) {
    ConsistencyAudit audit;
    for (const calc::Field step : kDesignResults) {
        const Recomputed recomputed = PressWithout(snapshot, {step});
        Compare(snapshot, recomputed.sheet, step, audit);
        if (step == Text4) audit.cement_raised = recomputed.cement_raised;
    }
    const Recomputed frame = PressWithout(snapshot, {});
    for (const calc::Field field : kFrame)
        Compare(snapshot, frame.sheet, field, audit);
    return audit;
}

std::string GivenValueText(const AuditFinding& finding, const document::DesignSnapshot& snapshot) {
    const std::string_view unit = FieldUnit(finding.field);
    const bool raised = finding.field == Text4 && finding.expected == calc::MinimumCementText();
    const std::string formula = FormulaOf(finding.field, snapshot, raised);
    const std::string value = finding.expected + (unit.empty() ? "" : " " + std::string(unit));
    if (InFrame(finding.field)) return "给定值；按" + formula + "应为 " + value;
    return "给定值；按公式 " + formula + " 应为 " + value;
}

} // namespace mixora::cement_report
