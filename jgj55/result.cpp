#include "result.h"

namespace mixora::jgj55 {
namespace {

using Q = Quantity;
constexpr std::string_view kMPa = "MPa";
constexpr std::string_view kKg = "kg/m³";

constexpr std::array<QuantityInfo, kQuantityCount> kQuantities = {{
    {Q::Sigma, "σ", "混凝土强度标准差", kMPa, 1, 1},
    {Q::TargetStrength, "fcu,0", "配制强度", kMPa, 1, 2},
    {Q::CementSurplus, "γc", "水泥强度等级值的富余系数", "", 2, 3},
    {Q::CementStrength, "fce", "水泥 28 d 胶砂抗压强度", kMPa, 1, 3},
    {Q::FlyAshFactor, "γf", "粉煤灰影响系数", "", 2, 4},
    {Q::SlagFactor, "γs", "粒化高炉矿渣粉影响系数", "", 2, 4},
    {Q::BinderStrength, "fb", "胶凝材料 28 d 胶砂抗压强度", kMPa, 1, 5},
    {Q::AlphaA, "αa", "回归系数", "", 2, 6},
    {Q::AlphaB, "αb", "回归系数", "", 2, 6},
    {Q::WaterBinderByStrength, "W/B", "按强度计算的水胶比", "", 2, 6},
    {Q::WaterBinderLimit, "W/B 限值", "最大水胶比", "", 2, 6},
    {Q::WaterBinder, "W/B", "水胶比", "", 2, 6},
    {Q::WaterBeforeReducer, "mw0′", "未掺外加剂时的用水量", kKg, 1, 7},
    {Q::Water, "mw0", "用水量", kKg, 0, 7},
    {Q::BinderByWater, "mb0 计算值", "按用水量计算的胶凝材料用量", kKg, 0, 8},
    {Q::BinderMinimum, "mb,min", "最小胶凝材料用量", kKg, 0, 8},
    {Q::Binder, "mb0", "胶凝材料用量", kKg, 0, 8},
    {Q::FlyAsh, "mf0", "粉煤灰用量", kKg, 0, 8},
    {Q::Slag, "mk0", "矿粉用量", kKg, 0, 8},
    {Q::SilicaFume, "msf0", "硅灰用量", kKg, 0, 8},
    {Q::Cement, "mc0", "水泥用量", kKg, 0, 8},
    {Q::Admixture, "ma0", "外加剂用量", kKg, 2, 8},
    {Q::SandRatio, "βs", "砂率", "%", 0, 9},
    {Q::AggregateTotal, "ms0+mg0", "粗、细骨料总用量", kKg, 0, 10},
    {Q::Sand, "ms0", "砂用量", kKg, 0, 10},
    {Q::Stone, "mg0", "石用量", kKg, 0, 10},
    {Q::Density, "ρc,c", "计算表观密度（不计外加剂）", kKg, 0, 11},
    {Q::RatioSand, "ms0/mb0", "质量比（砂 : 胶凝材料）", "", 2, 11},
    {Q::RatioStone, "mg0/mb0", "质量比（石 : 胶凝材料）", "", 2, 11},
    {Q::RatioWater, "mw0/mb0", "质量比（水 : 胶凝材料）", "", 2, 11},
}};

constexpr bool InOrder() {
    for (std::size_t i = 0; i < kQuantities.size(); ++i)
        if (static_cast<std::size_t>(kQuantities[i].quantity) != i) return false;
    return true;
}
static_assert(InOrder(), "the catalog lists the quantities in their enum order");

} // namespace

const QuantityInfo& InfoOf(Quantity quantity) {
    return kQuantities[static_cast<std::size_t>(quantity)];
}

const std::array<QuantityInfo, kQuantityCount>& AllQuantities() {
    return kQuantities;
}

std::string_view OriginName(Origin origin) {
    switch (origin) {
    case Origin::Automatic: return "自动";
    case Origin::Given: return "给定";
    case Origin::NotNeeded: return "不需要";
    case Origin::Unavailable: return "无法计算";
    }
    return {};
}

std::string_view VerdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Complies: return "符合";
    case Verdict::Fails: return "不符合";
    case Verdict::NotApplicable: return "不适用";
    case Verdict::NotChecked: return "未校核";
    case Verdict::CannotCheck: return "无法校核";
    }
    return {};
}

} // namespace mixora::jgj55
