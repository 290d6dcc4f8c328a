#include "design_stamp.h"

#include "trial_number.h"

#include <array>

namespace mixora::trial {

namespace {

// The ratios and amounts a stamp and a mix comparison show, with their decimals as shown. 硅灰
// is an item only when there is some: what was recorded without it still matches.
struct RatioColumn {
    std::string_view key, name, unit;
    double MixRatios::*value;
    int decimals;
    bool omitted_at_zero = false;
};
constexpr std::array<RatioColumn, 6> kRatioColumns = {{
    {"water_binder", "水胶比", "", &MixRatios::water_binder, 2},
    {"sand_ratio", "砂率", " %", &MixRatios::sand_ratio_percent, 1},
    {"fly_ash_share", "粉煤灰掺量", " %", &MixRatios::fly_ash_percent, 1},
    {"slag_share", "矿粉掺量", " %", &MixRatios::slag_percent, 1},
    {"silica_fume_share", "硅灰掺量", " %", &MixRatios::silica_fume_percent, 1, true},
    {"admixture_dosage", "外加剂掺量", " %", &MixRatios::admixture_percent, 2},
}};
struct AmountColumn {
    std::string_view key, name;
    double Mix::*value;
    int decimals;
    bool omitted_at_zero = false;
};
constexpr std::array<AmountColumn, 8> kAmountColumns = {{
    {"cement", "水泥", &Mix::cement, 0},
    {"fly_ash", "粉煤灰", &Mix::fly_ash, 0},
    {"slag", "矿粉", &Mix::slag, 0},
    {"silica_fume", "硅灰", &Mix::silica_fume, 0, true},
    {"water", "水", &Mix::water, 0},
    {"sand", "砂", &Mix::sand, 0},
    {"stone", "石", &Mix::stone, 0},
    {"admixture", "外加剂", &Mix::admixture, 2},
}};

// Ratios then per-m³ amounts, as stamp items.
DesignStamp MixItems(const MixRatios& ratios, const Mix& mix) {
    DesignStamp items;
    for (const RatioColumn& c : kRatioColumns)
        if (!c.omitted_at_zero || ratios.*c.value != 0)
            items.push_back({std::string(c.key), std::string(c.name),
                             Fixed(ratios.*c.value, c.decimals) + std::string(c.unit)});
    for (const AmountColumn& c : kAmountColumns)
        if (!c.omitted_at_zero || mix.*c.value != 0)
            items.push_back({std::string(c.key), std::string(c.name),
                             Fixed(mix.*c.value, c.decimals) + " kg/m³"});
    return items;
}

} // namespace

DesignStamp StampOf(const DesignBasis& basis) {
    DesignStamp stamp = basis.inputs;
    stamp.push_back(
        {"target_strength", "配制强度 fcu,0", Fixed(basis.target_strength, 1) + " MPa"});
    const DesignStamp mix = MixItems(basis.ratios, basis.mix);
    stamp.insert(stamp.end(), mix.begin(), mix.end());
    return stamp;
}

std::vector<std::string> StampChanges(const DesignStamp& kept, const DesignStamp& now) {
    const auto find = [](const DesignStamp& in, const std::string& key) -> const StampItem* {
        for (const StampItem& item : in)
            if (item.key == key) return &item;
        return nullptr;
    };
    std::vector<std::string> changes;
    for (const StampItem& item : now) {
        const StampItem* before = find(kept, item.key);
        if (!before || before->text != item.text)
            changes.push_back(item.name + " " + (before ? before->text : "—") + " → " + item.text);
    }
    for (const StampItem& item : kept)
        if (!find(now, item.key)) changes.push_back(item.name + " " + item.text + " → —");
    return changes;
}

std::vector<std::string> MixChanges(const RecordedMix& kept, const RecordedMix& now) {
    return StampChanges(MixItems(kept.ratios, kept.per_cubic_metre),
                        MixItems(now.ratios, now.per_cubic_metre));
}

} // namespace mixora::trial
