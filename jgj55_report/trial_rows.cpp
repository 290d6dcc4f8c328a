#include "trial_rows.h"

#include "gbt14902_2012.h"
#include "plausibility.h"
#include "shown_value.h"
#include "trial_number.h"

namespace mixora::jgj55_report {

using page::Row;
using page::RowKind;

Row SourcedHeader() {
    return {RowKind::TableHeader, {"项目", "数值", "单位", "来源"}};
}

Row Sourced(std::string_view caption, std::string value, std::string_view unit,
            std::string source) {
    return {RowKind::TableRow,
            {std::string(caption), std::move(value), std::string(unit), std::move(source)}};
}

std::string Automatic(std::string_view rule) {
    return "自动（" + std::string(rule) + "）";
}

bool MixTable::Shows(const MaterialColumn& column) const {
    return silica_fume_ || column.amount != &trial::Mix::silica_fume;
}

Row MixTable::Header(std::string_view first) const {
    Row header{RowKind::TableHeader, {std::string(first)}};
    for (const MaterialColumn& column : kMaterialColumns)
        if (Shows(column)) header.cells.emplace_back(column.name);
    return header;
}

Row MixTable::Amounts(std::string label, const trial::Mix& mix, int decimals,
                      int admixture_decimals) const {
    Row row{RowKind::TableRow, {std::move(label)}};
    for (const MaterialColumn& column : kMaterialColumns)
        if (Shows(column))
            row.cells.push_back(trial::Fixed(
                mix.*column.amount,
                column.amount == &trial::Mix::admixture ? admixture_decimals : decimals));
    return row;
}

Row MixTable::Typed(std::string label, const trial::MixTexts& texts) const {
    Row row{RowKind::TableRow, {std::move(label)}};
    for (const MaterialColumn& column : kMaterialColumns)
        if (Shows(column)) row.cells.push_back(jgj55_report::Typed(texts.*column.typed));
    return row;
}

MixTable MixTableOf(const trial::DesignBasis& basis) {
    return MixTable(basis.ratios.silica_fume_percent > 0);
}

std::string SlumpWithTolerance(double slump_mm) {
    const std::string slump = jgj55::FormatGiven(slump_mm, 0);
    if (const auto tolerance = trial::SlumpTolerance(slump_mm))
        return slump + " ± " + jgj55::FormatGiven(*tolerance, 0) + " mm";
    return slump + " mm（" + std::string(standards::gbt14902_2012::kName) +
           " 未给出此坍落度的允许偏差）";
}

std::vector<Row> StillHolds(const trial::TrialMatch& match) {
    if (match.matches()) return {};
    return {page::Note("试件成型后设计有改变（" + match.Why() + "），试配结果仍采用，理由：" +
                       match.reason)};
}

std::string Typed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

} // namespace mixora::jgj55_report
