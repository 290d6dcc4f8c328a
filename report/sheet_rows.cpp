#include "sheet_rows.h"

#include "field_catalog.h"
#include "report_model.h"

namespace mixora::report {

std::vector<SheetRow> SheetRows(const document::DesignSnapshot& snapshot) {
    std::vector<SheetRow> rows;
    const auto add = [&](calc::Field field) {
        rows.push_back({std::string(FieldCaption(field)), snapshot.text(field),
                        std::string(FieldUnit(field))});
    };
    for (const calc::Field field : kInputFields)
        add(field);
    rows.push_back({"计算方法", MethodText(snapshot), ""});
    rows.push_back({"石子种类", AggregateText(snapshot), ""});
    rows.push_back({"砂子种类", SandText(snapshot), ""});
    for (const calc::Field field : kIntermediateFields)
        add(field);
    for (const calc::Field field : kAmountFields)
        add(field);
    for (const calc::Field field : kProportionFields)
        add(field);
    return rows;
}

} // namespace mixora::report
