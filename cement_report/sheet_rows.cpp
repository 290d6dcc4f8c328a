#include "sheet_rows.h"

#include "design_rules.h"

#include "consistency_audit.h"
#include "field_catalog.h"
#include "cement_report.h"

namespace mixora::cement_report {

namespace {

// The frame cells the moisture adjustment changes: wet sand, wet stone, the water to add.
bool Adjusted(calc::Field field) {
    using enum calc::Field;
    for (const calc::Field adjusted : {Text12, Text13, Text14, Text31, Text32, Text33})
        if (field == adjusted) return true;
    return false;
}

} // namespace

std::vector<SheetRow> SheetRows(const document::DesignSnapshot& snapshot) {
    const bool moist = calc::MoistureGiven(snapshot);
    std::vector<SheetRow> rows;
    const auto add = [&](calc::Field field) {
        rows.push_back({std::string(FieldCaption(field)), snapshot.text(field),
                        std::string(FieldUnit(field))});
    };
    // A result that does not follow from the inputs is named so, and what it should be
    // follows on a row of its own, so every value cell stays a number.
    const ConsistencyAudit audit = AuditConsistency(snapshot);
    const auto add_result = [&](calc::Field field) {
        add(field);
        if (moist && Adjusted(field)) rows.back().caption.insert(0, "调整后");
        const AuditFinding* finding = audit.Find(field);
        if (!finding) return;
        const std::string caption = rows.back().caption;
        rows.back().caption += "（给定值）";
        rows.push_back({caption + "按公式应为", finding->expected, std::string(FieldUnit(field))});
    };
    for (const calc::Field field : kInputFields)
        add(field);
    rows.push_back({"计算方法", MethodText(snapshot), ""});
    rows.push_back({"石子种类", AggregateText(snapshot), ""});
    rows.push_back({"砂子种类", SandText(snapshot), ""});
    for (const calc::Field field : kIntermediateFields)
        add_result(field);
    for (const calc::Field field : kAmountFields)
        add_result(field);
    for (const calc::Field field : kProportionFields)
        add_result(field);
    return rows;
}

} // namespace mixora::cement_report
