#pragma once
// What one JGJ 55-2011 design gives: each derived quantity with its shown value, its text,
// where it comes from and, when it cannot be computed, why; then the mix and the checks.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::jgj55 {

// The quantities in the order the steps derive them.
enum class Quantity {
    Sigma,                 // σ
    TargetStrength,        // fcu,0
    CementSurplus,         // γc
    CementStrength,        // fce
    FlyAshFactor,          // γf
    SlagFactor,            // γs
    BinderStrength,        // fb
    AlphaA,                // αa
    AlphaB,                // αb
    WaterBinderByStrength, // W/B by 式 5.1.1 (or given)
    WaterBinderLimit,      // the largest W/B for the environment
    WaterBinder,           // the adopted W/B
    WaterBeforeReducer,    // mw0′
    Water,                 // mw0
    BinderByWater,         // mw0 / (W/B)
    BinderMinimum,         // the least binder content
    Binder,                // mb0, the adopted binder content
    FlyAsh,                // mf0
    Slag,                  // mk0
    SilicaFume,            // msf0
    Cement,                // mc0
    Admixture,             // ma0
    SandRatio,             // βs
    AggregateTotal,        // ms0 + mg0
    Sand,                  // ms0
    Stone,                 // mg0
    Density,               // the computed density, without the admixture
    RatioSand,             // sand per unit binder
    RatioStone,            // stone per unit binder
    RatioWater,            // water per unit binder
};
inline constexpr std::size_t kQuantityCount = static_cast<std::size_t>(Quantity::RatioWater) + 1;

struct QuantityInfo {
    Quantity quantity;
    std::string_view symbol; // "fcu,0"
    std::string_view name;   // "配制强度"
    std::string_view unit;   // "MPa", "kg/m³", "%", or empty
    int decimals;            // the shown precision
    int step;                // the step that derives it (1 …)
};
const QuantityInfo& InfoOf(Quantity quantity);
const std::array<QuantityInfo, kQuantityCount>& AllQuantities();

enum class Origin {
    Automatic,   // 自动: from the source named
    Given,       // 给定: the user's value
    NotNeeded,   // 不需要: this design does not use it (reason says why)
    Unavailable, // 无法计算: reason says why, or which quantity it waits on
};
std::string_view OriginName(Origin origin); // "自动", "给定", "不需要", "无法计算"

struct Parameter {
    std::optional<double> value; // as shown; absent unless Automatic or Given
    std::string text;            // the value as shown ("0.47"); empty without one
    Origin origin = Origin::Unavailable;
    std::string source; // "表 5.1.3（…）", "式 5.1.1", "给定"; empty without a value
    std::string reason; // NotNeeded or Unavailable: why, in Chinese
    std::string note; // a hint or what governed ("细砂：…", "最小胶凝材料用量起控制作用")

    friend bool operator==(const Parameter&, const Parameter&) = default;
};

enum class Verdict {
    Complies,      // 符合
    Fails,         // 不符合
    NotApplicable, // 不适用: the limit does not cover this mix (reason says why)
    NotChecked,    // 未校核: the limit's table is not part of this design (reason names it)
    CannotCheck,   // 无法校核: a value it needs could not be computed (reason says which)
};
std::string_view VerdictName(Verdict verdict); // "符合", "不符合", "不适用", "未校核", "无法校核"

struct Check {
    std::string item;   // "最大水胶比"
    std::string value;  // the mix's value as shown: "0.47", "C35", "370 kg/m³"
    std::string limit;  // "≤ 0.60", "≥ C20"; empty when there is none
    std::string source; // "GB 50010-2010 表 3.5.3（环境类别 一）"
    Verdict verdict = Verdict::CannotCheck;
    std::string reason; // for NotChecked and CannotCheck

    friend bool operator==(const Check&, const Check&) = default;
};

struct Result {
    std::array<Parameter, kQuantityCount> parameters;
    // 胶凝材料 : 砂 : 石 : 水 as "1 : 1.94 : 3.04 : 0.47"; empty until all four are known.
    std::string mass_ratio;
    std::vector<Check> checks;

    const Parameter& operator[](Quantity quantity) const {
        return parameters[static_cast<std::size_t>(quantity)];
    }
    Parameter& operator[](Quantity quantity) {
        return parameters[static_cast<std::size_t>(quantity)];
    }

    friend bool operator==(const Result&, const Result&) = default;
};

// 硅灰 is a row of the mix, the steps and 复制结果 only when the design has some: a design
// without it reads as it always has.
inline bool Omitted(const Result& result, Quantity quantity) {
    return quantity == Quantity::SilicaFume && result[quantity].value == 0.0;
}

} // namespace mixora::jgj55
