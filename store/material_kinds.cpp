#include "material_kinds.h"

namespace mixora::store {

namespace {

using enum PropertyType;

constexpr PropertyChoice kCementTypes[] = {
    {"P.I", "P·Ⅰ"},     {"P.II", "P·Ⅱ"}, {"P.O", "P·O"}, {"P.S.A", "P·S·A"},
    {"P.S.B", "P·S·B"}, {"P.P", "P·P"},  {"P.F", "P·F"}, {"P.C", "P·C"},
};
constexpr PropertyChoice kCementClasses[] = {
    {"32.5", "32.5"}, {"32.5R", "32.5R"}, {"42.5", "42.5"}, {"42.5R", "42.5R"},
    {"52.5", "52.5"}, {"52.5R", "52.5R"}, {"62.5", "62.5"}, {"62.5R", "62.5R"},
};
constexpr PropertyChoice kFlyAshGrades[] = {{"I", "Ⅰ级"}, {"II", "Ⅱ级"}, {"III", "Ⅲ级"}};
constexpr PropertyChoice kFlyAshClasses[] = {{"F", "F 类"}, {"C", "C 类"}};
constexpr PropertyChoice kSlagGrades[] = {{"S75", "S75"}, {"S95", "S95"}, {"S105", "S105"}};
constexpr PropertyChoice kSandTypes[] = {{"natural", "天然砂"}, {"manufactured", "机制砂"}};
constexpr PropertyChoice kSandZones[] = {{"1", "Ⅰ区"}, {"2", "Ⅱ区"}, {"3", "Ⅲ区"}};
constexpr PropertyChoice kStoneTypes[] = {{"crushed", "碎石"}, {"gravel", "卵石"}};
constexpr PropertyChoice kStoneSizes[] = {
    {"5-10", "5–10 mm"}, {"5-16", "5–16 mm"},     {"5-20", "5–20 mm"},
    {"5-25", "5–25 mm"}, {"5-31.5", "5–31.5 mm"}, {"5-40", "5–40 mm"},
};

constexpr PropertyInfo kCement[] = {
    {"type", "品种", "", Choice, kCementTypes},
    {"strength_class", "强度等级", "", Choice, kCementClasses},
    {"strength_28d", "28 d 抗压强度 fce", "MPa", Number},
    {"density", "密度", "kg/m³", Number},
};
constexpr PropertyInfo kFlyAsh[] = {
    {"grade", "等级", "", Choice, kFlyAshGrades},
    {"class", "类别", "", Choice, kFlyAshClasses},
    {"fineness", "细度（45 μm 筛余）", "%", Number},
    {"water_demand", "需水量比", "%", Number},
    {"density", "密度", "kg/m³", Number},
};
constexpr PropertyInfo kSlag[] = {
    {"grade", "等级", "", Choice, kSlagGrades},
    {"activity_28d", "28 d 活性指数", "%", Number},
    {"density", "密度", "kg/m³", Number},
};
constexpr PropertyInfo kSilicaFume[] = {
    {"activity_28d", "28 d 活性指数", "%", Number},
    {"density", "密度", "kg/m³", Number},
};
constexpr PropertyInfo kSand[] = {
    {"type", "种类", "", Choice, kSandTypes},          {"fineness_modulus", "细度模数", "", Number},
    {"zone", "级配区", "", Choice, kSandZones},        {"clay", "含泥量", "%", Number},
    {"apparent_density", "表观密度", "kg/m³", Number},
};
constexpr PropertyInfo kStone[] = {
    {"type", "种类", "", Choice, kStoneTypes},
    {"size_range", "粒级", "", Choice, kStoneSizes},
    {"crushing", "压碎值指标", "%", Number},
    {"clay", "含泥量", "%", Number},
    {"apparent_density", "表观密度", "kg/m³", Number},
};
constexpr PropertyInfo kAdmixture[] = {
    {"type", "品种", "", Text},
    {"water_reduction", "减水率", "%", Number},
    {"solid_content", "固含量", "%", Number},
    {"chloride", "氯离子含量", "%", Number},
    {"dosage", "推荐掺量", "%", Number},
};

const std::array<MaterialKindInfo, kMaterialKindCount> kKinds = {{
    {MaterialKind::Cement, "cement", "水泥", 'C', kCement},
    {MaterialKind::FlyAsh, "fly_ash", "粉煤灰", 'F', kFlyAsh},
    {MaterialKind::Slag, "slag", "粒化高炉矿渣粉", 'K', kSlag},
    {MaterialKind::Sand, "sand", "砂", 'S', kSand},
    {MaterialKind::Stone, "stone", "石", 'G', kStone},
    {MaterialKind::Admixture, "admixture", "外加剂", 'A', kAdmixture},
    {MaterialKind::OtherMineral, "other_mineral", "其他掺合料", 'M', {}},
    {MaterialKind::SilicaFume, "silica_fume", "硅灰", 'H', kSilicaFume},
}};

} // namespace

const std::array<MaterialKindInfo, kMaterialKindCount>& AllMaterialKinds() {
    return kKinds;
}

const MaterialKindInfo& InfoOf(MaterialKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

std::optional<MaterialKind> MaterialKindOfKey(std::string_view key) {
    for (const MaterialKindInfo& info : kKinds)
        if (info.key == key) return info.kind;
    return std::nullopt;
}

const PropertyInfo* PropertyOf(MaterialKind kind, std::string_view key) {
    for (const PropertyInfo& property : InfoOf(kind).properties)
        if (property.key == key) return &property;
    return nullptr;
}

} // namespace mixora::store
