#include "material_rows.h"

#include "choices.h"
#include "shown_input.h"
#include "shown_value.h"
#include "trial_rows.h"

namespace mixora::jgj55_report {

namespace {

using page::Note;
using page::Row;
using page::RowKind;
using report::MaterialSlot;

std::string Density(const jgj55::Inputs& inputs, std::string_view key, double kg_per_m3) {
    return "密度 " + ShownInput(inputs, key, kg_per_m3, 0) + " kg/m³";
}

std::string Or(std::string text) {
    return text.empty() ? "—" : text;
}

struct MaterialLine {
    MaterialSlot slot; // where the header keeps its maker and batch
    std::string name, grade, size, tested;
};

std::vector<MaterialLine> Lines(const jgj55::Inputs& inputs, const report::ReportInfo& info) {
    const bool volume = inputs.method == jgj55::Method::Volume;
    const jgj55::VolumeMethodInputs& v = inputs.volume;
    std::vector<MaterialLine> lines;
    std::string cement_tested =
        inputs.cement_strength
            ? "28 d 胶砂强度 fce " +
                  ShownInput(inputs, "cement_strength", *inputs.cement_strength, 1) + " MPa"
            : "";
    if (volume)
        cement_tested += (cement_tested.empty() ? "" : "；") +
                         Density(inputs, "cement_density", v.cement_density);
    lines.push_back({MaterialSlot::Cement, "水泥",
                     std::string(jgj55::NameOf(inputs.cement_kind)) + " " +
                         std::string(jgj55::NameOf(inputs.cement_grade)),
                     "", cement_tested});
    if (inputs.fly_ash_share > 0)
        lines.push_back(
            {MaterialSlot::FlyAsh, "粉煤灰", std::string(jgj55::NameOf(inputs.fly_ash_grade)),
             "掺量 " + ShownInput(inputs, "fly_ash_share", inputs.fly_ash_share, 0) + " %",
             volume ? Density(inputs, "fly_ash_density", v.fly_ash_density) : ""});
    if (inputs.slag_share > 0)
        lines.push_back(
            {MaterialSlot::Slag,
             std::string(standards::kSlagTerm) + "（" + std::string(standards::kSlagName) + "）",
             std::string(jgj55::NameOf(inputs.slag_grade)),
             "掺量 " + ShownInput(inputs, "slag_share", inputs.slag_share, 0) + " %",
             volume ? Density(inputs, "slag_density", v.slag_density) : ""});
    if (inputs.silica_fume_share > 0)
        lines.push_back(
            {MaterialSlot::SilicaFume, std::string(standards::kSilicaFumeName), "—",
             "掺量 " + ShownInput(inputs, "silica_fume_share", inputs.silica_fume_share, 0) + " %",
             volume && v.silica_fume_density
                 ? Density(inputs, "silica_fume_density", *v.silica_fume_density)
                 : ""});
    lines.push_back({MaterialSlot::Sand, "砂", std::string(jgj55::NameOf(inputs.sand)), "",
                     volume ? "表观" + Density(inputs, "sand_density", v.sand_density) : ""});
    lines.push_back({MaterialSlot::Stone, "石", std::string(jgj55::NameOf(inputs.coarse)),
                     "最大粒径 " + std::string(jgj55::NameOf(inputs.max_size)),
                     volume ? "表观" + Density(inputs, "stone_density", v.stone_density) : ""});
    if (inputs.admixture_dosage > 0) {
        std::string size =
            "掺量 " + ShownInput(inputs, "admixture_dosage", inputs.admixture_dosage, 1) + " %";
        if (!Typed(info.admixture_solid_percent).empty())
            size += "，固含量 " + Typed(info.admixture_solid_percent) + " %";
        lines.push_back(
            {MaterialSlot::Admixture, "外加剂", Or(Typed(info.admixture_type)), size,
             "减水率 " + ShownInput(inputs, "water_reduction", inputs.water_reduction, 0) + " %"});
    }
    return lines;
}

} // namespace

page::Section MaterialSection(const jgj55::Inputs& inputs, const report::ReportInfo& info,
                              const CitedMaterials& cited, bool test_data) {
    const bool citing = !cited.records.empty();
    const report::ReportInfo shown = WithCitedValues(info, cited);
    page::Section section{"原材料", {}};
    Row header{RowKind::TableHeader, {"材料", "品种、等级", "规格、掺量", "生产厂家", "批号"}};
    if (citing) header.cells.emplace_back("原材料记录");
    if (test_data) header.cells.emplace_back("试验数据");
    section.rows.push_back(std::move(header));
    for (MaterialLine& line : Lines(inputs, shown)) {
        const report::MaterialSource& source = shown.source(line.slot);
        Row row{RowKind::TableRow,
                {line.name, line.grade, Or(line.size), Or(Typed(source.maker)),
                 Or(Typed(source.batch))}};
        if (citing) {
            const CitedMaterial* record = cited.Of(line.slot);
            row.cells.push_back(record ? record->Named() : "—");
        }
        if (test_data) row.cells.push_back(Or(line.tested));
        section.rows.push_back(std::move(row));
    }
    if (!citing) return section;
    section.rows.push_back(
        Note("生产厂家、批号及外加剂品种、固含量取自所列原材料记录，记录未给出的取"
             "自报告信息；记录见“原材料检测记录”。"));
    for (std::string& conflict : CitationConflicts(info, cited))
        section.rows.push_back(Note(std::move(conflict) + "。", true));
    return section;
}

} // namespace mixora::jgj55_report
