#include "mix_soundness.h"

#include "text_prefix.h"

namespace mixora::calc {

namespace {

struct AmountEntry {
    Field field;
    std::string_view name;
};
constexpr AmountEntry kAmounts[] = {
    {Text11, "水泥用量"}, {Text12, "砂用量"}, {Text13, "石子用量"}, {Text14, "用水量"}};

// A moisture content is a fraction (0.03 for 3 %): 1 or more is a percentage typed as such.
constexpr float kLeastPercentMoisture = 1.0f;
// A concrete density is in kg/m³ (about 2400): below this it was typed in t/m³ or kg/L.
constexpr float kLeastKgDensity = 100.0f;

std::optional<float> NumberIn(const Sheet& sheet, Field field, const NumberFormat& format) {
    const ParsedSingle parsed = ParseSingle(sheet.text(field), format);
    if (parsed.ec != std::errc{}) return std::nullopt;
    return parsed.value;
}

UnsoundCause LikelyCause(const Sheet& sheet, const NumberFormat& format) {
    for (const Field moisture : {Text21, Text24}) {
        const std::optional<float> value = NumberIn(sheet, moisture, format);
        if (value && *value >= kLeastPercentMoisture) return UnsoundCause::MoistureAsPercent;
    }
    const std::optional<float> density = NumberIn(sheet, Text20, format);
    if (sheet.is_on(Toggle::option2) && density && *density < kLeastKgDensity)
        return UnsoundCause::DensityNotInKg;
    return UnsoundCause::InputsGiveNoMix;
}

std::string_view CauseText(UnsoundCause cause) {
    switch (cause) {
    case UnsoundCause::MoistureAsPercent: return "可能的原因：含水率以小数输入，3% 输入 0.03。";
    case UnsoundCause::DensityNotInKg: return "可能的原因：砼密度以 kg/m³ 输入。";
    case UnsoundCause::InputsGiveNoMix: break;
    }
    return "输入的数据得不出合理的配合比，请检查输入。";
}

std::string_view NameOf(Field field) {
    for (const AmountEntry& amount : kAmounts)
        if (amount.field == field) return amount.name;
    return {};
}

} // namespace

std::optional<UnsoundMix> FindUnsoundMix(const Sheet& sheet, const NumberFormat& format) {
    UnsoundMix mix;
    for (const AmountEntry& amount : kAmounts) {
        const std::optional<float> value = NumberIn(sheet, amount.field, format);
        if (!value) return std::nullopt;
        if (*value <= 0.0f) mix.amounts.push_back({amount.field, sheet.text(amount.field)});
    }
    if (mix.amounts.empty()) return std::nullopt;
    mix.cause = LikelyCause(sheet, format);
    return mix;
}

std::string UnsoundMixMessage(const UnsoundMix& mix) {
    std::string message = "计算结果无效：";
    for (const BadAmount& amount : mix.amounts)
        message += std::string(NameOf(amount.field)) + "为 " + TextPrefix(amount.text) + " kg/m³，";
    message += "用量应大于零。";
    message += CauseText(mix.cause);
    return message;
}

} // namespace mixora::calc
