#include "cited_materials.h"

#include "decimal_rounding.h"
#include "trial_rows.h"
#include "typed_number.h"

namespace mixora::jgj55_report {

namespace {

using page::KeyValue;
using page::Note;
using page::Row;
using page::RowKind;

std::string Or(const std::string& text) {
    return text.empty() ? "—" : text;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string joined;
    for (const std::string& part : parts)
        joined += (joined.empty() ? "" : std::string(separator)) + part;
    return joined;
}

// A typed number and a record's are the same when both read as the same number ("20" and
// "20.0"); texts are compared without the blanks around them.
bool Differ(std::string_view typed, std::string_view recorded, bool numbers) {
    const std::string a = Typed(typed), b = Typed(recorded);
    if (a.empty() || b.empty() || a == b) return false;
    if (!numbers) return true;
    const auto x = calc::ReadTypedNumber(a, "").value, y = calc::ReadTypedNumber(b, "").value;
    return !(x && y && *x == *y);
}

// The record's value where it gives one.
void Take(std::string& target, const std::string& recorded) {
    if (!recorded.empty()) target = recorded;
}

} // namespace

std::string CitedMaterial::Named() const {
    return code + " 第 " + std::to_string(version) + " 版";
}

const CitedMaterial* CitedMaterials::Of(report::MaterialSlot slot) const {
    for (const CitedMaterial& record : records)
        if (record.slot == slot) return &record;
    return nullptr;
}

report::ReportInfo WithCitedValues(report::ReportInfo info, const CitedMaterials& cited) {
    for (const CitedMaterial& record : cited.records) {
        report::MaterialSource& source = info.materials[static_cast<std::size_t>(record.slot)];
        Take(source.maker, record.maker);
        Take(source.batch, record.batch);
        if (record.slot != report::MaterialSlot::Admixture) continue;
        Take(info.admixture_type, record.admixture_type);
        Take(info.admixture_solid_percent, record.solid_percent);
    }
    return info;
}

std::vector<std::string> CitationConflicts(const report::ReportInfo& typed,
                                           const CitedMaterials& cited) {
    std::vector<std::string> conflicts;
    for (const CitedMaterial& record : cited.records) {
        const auto check = [&](std::string_view what, const std::string& given,
                               const std::string& recorded, bool numbers = false) {
            if (Differ(given, recorded, numbers))
                conflicts.push_back("报告信息中" + record.material + "的" + std::string(what) +
                                    "“" + Typed(given) + "”与" + record.Source() + "的“" +
                                    recorded + "”不同，列出的是原材料记录的");
        };
        const report::MaterialSource& source = typed.source(record.slot);
        check("生产厂家", source.maker, record.maker);
        check("批号", source.batch, record.batch);
        if (record.slot != report::MaterialSlot::Admixture) continue;
        check("品种", typed.admixture_type, record.admixture_type);
        check("固含量", typed.admixture_solid_percent, record.solid_percent, true);
    }
    return conflicts;
}

page::Section CitedRecordsSection(const CitedMaterials& cited) {
    page::Section section{"原材料检测记录", {}};
    section.rows.push_back(
        {RowKind::TableHeader, {"材料", "原材料记录", "品种规格", "检测报告", "试验数据"}});
    for (const CitedMaterial& record : cited.records) {
        std::string report = record.report_number;
        if (!record.report_date.empty())
            report += (report.empty() ? "" : "，") + record.report_date;
        section.rows.push_back({RowKind::TableRow,
                                {record.material, record.Named(), Or(record.product), Or(report),
                                 Or(Joined(record.test_data, "；"))}});
    }
    if (!cited.cost) {
        section.rows.push_back(Note("所引用的原材料记录均无单价，未计算材料成本"));
        return section;
    }
    section.rows.push_back(
        KeyValue("材料成本", calc::FormatFixed(cited.cost->yuan_per_m3, 2), "元/m³"));
    if (!cited.cost->price_dates.empty())
        section.rows.push_back(KeyValue("价格日期", cited.cost->price_dates));
    if (!cited.cost->missing.empty())
        section.rows.push_back(Note(Joined(cited.cost->missing, "、") + "无单价，未计入材料成本"));
    section.pairs_per_line = 2;
    return section;
}

} // namespace mixora::jgj55_report
