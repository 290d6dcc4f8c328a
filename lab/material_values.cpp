#include "material_values.h"

#include "decimal_rounding.h"
#include "design.h"
#include "jgj55_content.h"
#include "material_text.h"

#include <algorithm>
#include <array>

namespace mixora::lab {

namespace {

using jgj55::Quantity;
using store::MaterialKind;

constexpr std::array<MaterialRoleInfo, 7> kRoles = {{
    {MaterialRole::Cement, "cement", "水泥", MaterialKind::Cement, Quantity::Cement},
    {MaterialRole::FlyAsh, "fly_ash", "粉煤灰", MaterialKind::FlyAsh, Quantity::FlyAsh},
    {MaterialRole::Slag, "slag", "矿粉", MaterialKind::Slag, Quantity::Slag},
    {MaterialRole::Sand, "sand", "砂", MaterialKind::Sand, Quantity::Sand},
    {MaterialRole::Stone, "stone", "石", MaterialKind::Stone, Quantity::Stone},
    {MaterialRole::Admixture, "admixture", "外加剂", MaterialKind::Admixture, Quantity::Admixture},
    {MaterialRole::SilicaFume, "silica_fume", "硅灰", MaterialKind::SilicaFume,
     Quantity::SilicaFume},
}};

// The record's property, as stored; none when not given.
const store::PropertyValue* Property(const store::MaterialRecord& record, std::string_view key) {
    const auto found = record.fields.properties.find(std::string(key));
    return found == record.fields.properties.end() ? nullptr : &found->second;
}
std::optional<double> Number(const store::MaterialRecord& record, std::string_view key) {
    const store::PropertyValue* value = Property(record, key);
    const double* number = value ? std::get_if<double>(value) : nullptr;
    return number ? std::optional(*number) : std::nullopt;
}
std::string Choice(const store::MaterialRecord& record, std::string_view key) {
    const store::PropertyValue* value = Property(record, key);
    const std::string* text = value ? std::get_if<std::string>(value) : nullptr;
    return text ? *text : std::string();
}

// A stored choice's key and the sheet's value it stands for.
template <typename E> struct KeyOf {
    std::string_view key;
    E value;
};
constexpr KeyOf<jgj55::CementKind> kCementKinds[] = {
    {"P.I", jgj55::CementKind::Portland},
    {"P.II", jgj55::CementKind::Portland},
    {"P.O", jgj55::CementKind::OrdinaryPortland},
};
constexpr KeyOf<jgj55::CementGrade> kCementGrades[] = {
    {"32.5", jgj55::CementGrade::G32_5}, {"32.5R", jgj55::CementGrade::G32_5},
    {"42.5", jgj55::CementGrade::G42_5}, {"42.5R", jgj55::CementGrade::G42_5},
    {"52.5", jgj55::CementGrade::G52_5}, {"52.5R", jgj55::CementGrade::G52_5},
};
constexpr KeyOf<jgj55::FlyAshGrade> kFlyAshGrades[] = {
    {"I", jgj55::FlyAshGrade::I}, {"II", jgj55::FlyAshGrade::II}, {"III", jgj55::FlyAshGrade::III}};
constexpr KeyOf<jgj55::SlagGrade> kSlagGrades[] = {{"S75", jgj55::SlagGrade::S75},
                                                   {"S95", jgj55::SlagGrade::S95},
                                                   {"S105", jgj55::SlagGrade::S105}};
constexpr KeyOf<jgj55::CoarseKind> kStoneKinds[] = {{"crushed", jgj55::CoarseKind::Crushed},
                                                    {"gravel", jgj55::CoarseKind::Gravel}};
// A size range's largest size.
constexpr KeyOf<jgj55::MaxSize> kStoneSizes[] = {
    {"5-10", jgj55::MaxSize::Mm10}, {"5-16", jgj55::MaxSize::Mm16},
    {"5-20", jgj55::MaxSize::Mm20}, {"5-31.5", jgj55::MaxSize::Mm31_5},
    {"5-40", jgj55::MaxSize::Mm40},
};

// Sets `target` from the record's choice `key` through `table`; a choice the design does not
// offer is named in `notes`.
template <typename E, std::size_t N>
void Take(const store::MaterialRecord& record, std::string_view key, const KeyOf<E> (&table)[N],
          E& target, std::vector<std::string>& notes) {
    const std::string chosen = Choice(record, key);
    if (chosen.empty()) return;
    for (const KeyOf<E>& row : table)
        if (row.key == chosen) {
            target = row.value;
            return;
        }
    const store::PropertyInfo* property = store::PropertyOf(record.fields.kind, key);
    notes.push_back(record.Code() + " 的" + std::string(property ? property->name : key) + "“" +
                    (property ? PropertyValueText(*property, chosen) : chosen) +
                    "”本设计不提供，未采用");
}

void TakeNumber(const store::MaterialRecord& record, std::string_view key, double& target) {
    if (const auto value = Number(record, key)) target = *value;
}

// A citation's text member; empty when missing or not a text (a file edited by hand).
std::string TextOf(const nlohmann::json& citation, const char* key) {
    const auto found = citation.find(key);
    return found != citation.end() && found->is_string() ? found->get<std::string>() : "";
}

// The test report's values a citation keeps, "name value" in its kind's order.
std::vector<std::string> TestData(const nlohmann::json& citation, store::MaterialKind kind) {
    std::vector<std::string> data;
    const auto values = citation.find("values");
    if (values == citation.end() || !values->is_object()) return data;
    for (const store::PropertyInfo& property : store::InfoOf(kind).properties) {
        const auto found = values->find(std::string(property.key));
        if (found == values->end()) continue;
        std::optional<store::PropertyValue> value;
        if (found->is_number()) value = found->get<double>();
        if (found->is_string()) value = found->get<std::string>();
        if (value)
            data.push_back(std::string(property.name) + " " + PropertyValueText(property, *value));
    }
    return data;
}

jgj55_report::CitedMaterial CitedMaterialOf(const MaterialRoleInfo& role,
                                            const nlohmann::json& citation) {
    jgj55_report::CitedMaterial cited;
    // The documents list the materials in the roles' order.
    static_assert(report::kMaterialSlotCount == kRoles.size());
    cited.slot = static_cast<report::MaterialSlot>(role.role);
    cited.material = role.name;
    cited.code = TextOf(citation, "code");
    const auto version = citation.find("version");
    if (version != citation.end() && version->is_number_integer())
        cited.version = version->get<std::int64_t>();
    cited.maker = TextOf(citation, "maker");
    cited.product = TextOf(citation, "product");
    cited.batch = TextOf(citation, "batch");
    cited.report_number = TextOf(citation, "report");
    cited.report_date = TextOf(citation, "report_date");
    cited.test_data = TestData(citation, role.kind);
    if (role.role == MaterialRole::Admixture) {
        const nlohmann::json values = citation.value("values", nlohmann::json::object());
        if (values.is_object()) {
            cited.admixture_type = TextOf(values, "type");
            const auto solid = values.find("solid_content");
            if (solid != values.end() && solid->is_number())
                cited.solid_percent = NumberText(solid->get<double>());
        }
    }
    return cited;
}

} // namespace

std::span<const MaterialRoleInfo> AllMaterialRoles() {
    return kRoles;
}

const MaterialRoleInfo& InfoOf(MaterialRole role) {
    return kRoles[static_cast<std::size_t>(role)];
}

std::vector<std::string> ApplyRecord(MaterialRole role, const store::MaterialRecord& record,
                                     jgj55::Inputs& inputs) {
    std::vector<std::string> notes;
    switch (role) {
    case MaterialRole::Cement:
        Take(record, "type", kCementKinds, inputs.cement_kind, notes);
        Take(record, "strength_class", kCementGrades, inputs.cement_grade, notes);
        if (const auto fce = Number(record, "strength_28d")) inputs.cement_strength = *fce;
        TakeNumber(record, "density", inputs.volume.cement_density);
        break;
    case MaterialRole::FlyAsh:
        Take(record, "grade", kFlyAshGrades, inputs.fly_ash_grade, notes);
        TakeNumber(record, "density", inputs.volume.fly_ash_density);
        break;
    case MaterialRole::Slag:
        Take(record, "grade", kSlagGrades, inputs.slag_grade, notes);
        TakeNumber(record, "density", inputs.volume.slag_density);
        break;
    case MaterialRole::SilicaFume:
        if (const auto density = Number(record, "density"))
            inputs.volume.silica_fume_density = *density;
        break;
    case MaterialRole::Sand:
        TakeNumber(record, "apparent_density", inputs.volume.sand_density);
        break;
    case MaterialRole::Stone:
        Take(record, "type", kStoneKinds, inputs.coarse, notes);
        Take(record, "size_range", kStoneSizes, inputs.max_size, notes);
        TakeNumber(record, "apparent_density", inputs.volume.stone_density);
        break;
    case MaterialRole::Admixture:
        TakeNumber(record, "dosage", inputs.admixture_dosage);
        TakeNumber(record, "water_reduction", inputs.water_reduction);
        break;
    }
    return notes;
}

nlohmann::json CitationOf(MaterialRole role, const store::MaterialRecord& record) {
    const store::MaterialFields& f = record.fields;
    nlohmann::json values = nlohmann::json::object();
    for (const auto& property : f.properties) {
        nlohmann::json& slot = values[property.first];
        std::visit([&slot](const auto& v) { slot = v; }, property.second);
    }
    nlohmann::json citation = {
        {"record", record.record}, {"version", record.version}, {"role", InfoOf(role).key},
        {"code", record.Code()},   {"maker", f.maker},          {"product", f.product},
        {"batch", f.batch},        {"report", f.report_number}, {"report_date", f.report_date},
        {"values", values},
    };
    if (f.price) {
        citation["price"] = *f.price;
        citation["price_date"] = f.price_date;
    }
    return citation;
}

const nlohmann::json* CitedFor(const nlohmann::json& materials, MaterialRole role) {
    if (!materials.is_array()) return nullptr;
    for (const nlohmann::json& citation : materials)
        if (citation.is_object() && TextOf(citation, "role") == InfoOf(role).key) return &citation;
    return nullptr;
}

std::string SourceOf(const nlohmann::json& citation) {
    const std::string code = TextOf(citation, "code");
    std::string source = "原材料 " + (code.empty() ? std::string("?") : code);
    if (const std::string report = TextOf(citation, "report"); !report.empty())
        source += " 检测报告 " + report;
    return source;
}

std::optional<MaterialCost> CostOf(const nlohmann::json& materials, const jgj55::Result& result) {
    MaterialCost cost;
    std::vector<std::string> dates;
    bool priced = false;
    for (const MaterialRoleInfo& role : kRoles) {
        const nlohmann::json* citation = CitedFor(materials, role.role);
        const auto& amount = result[role.amount].value;
        if (!citation || !amount || *amount <= 0) continue;
        const auto price = citation->find("price");
        if (price == citation->end() || !price->is_number()) {
            cost.missing.emplace_back(role.name);
            continue;
        }
        priced = true;
        cost.yuan_per_m3 += *amount * price->get<double>() / 1000.0; // 元/t → 元/kg
        if (const std::string date = TextOf(*citation, "price_date"); !date.empty())
            dates.push_back(date);
    }
    if (!priced) return std::nullopt;
    cost.yuan_per_m3 = calc::RoundShown(cost.yuan_per_m3, 2);
    std::sort(dates.begin(), dates.end());
    if (!dates.empty())
        cost.price_dates =
            dates.front() == dates.back() ? dates.front() : dates.front() + " … " + dates.back();
    return cost;
}

jgj55_report::CitedMaterials CitedMaterialsOf(const nlohmann::json& materials,
                                              const jgj55::Result& result) {
    jgj55_report::CitedMaterials cited;
    for (const MaterialRoleInfo& role : kRoles)
        if (const nlohmann::json* citation = CitedFor(materials, role.role))
            cited.records.push_back(CitedMaterialOf(role, *citation));
    if (!cited.records.empty()) cited.cost = CostOf(materials, result);
    return cited;
}

jgj55_report::CitedMaterials CitedMaterialsOf(const document::DesignDocument& document) {
    if (document.kind() != document::DesignKind::Jgj55) return {};
    const auto materials = document.extra().find("materials");
    if (materials == document.extra().end()) return {};
    return CitedMaterialsOf(*materials,
                            jgj55::ComputeDesign(session::Jgj55ContentOf(document).inputs));
}

} // namespace mixora::lab
