#pragma once
// The small vocabulary of a concrete mix the trial works with, and what the design hands it:
// the computed mix, its ratios and the design's way of proportioning the aggregates.
#include "computed.h"
#include "table.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mixora::trial {

// Materials of one mix: per m³ or per batch, in kg.
struct Mix {
    double cement = 0;
    double fly_ash = 0;
    double slag = 0;
    double water = 0;
    double sand = 0;
    double stone = 0;
    double admixture = 0;
    // 硅灰, the third mineral admixture of a high-strength mix (第 7.3.2 条); after the others,
    // which a mix without it lists as before.
    double silica_fume = 0;

    double binder() const { return cement + fly_ash + slag + silica_fume; }
    // The fresh concrete's mass without the admixture (the computed density).
    double without_admixture() const { return binder() + water + sand + stone; }

    friend bool operator==(const Mix&, const Mix&) = default;
};

// The ratios a mix is proportioned by. Shares and dosage are of the binder's mass.
struct MixRatios {
    double water_binder = 0;       // W/B, 0.45
    double sand_ratio_percent = 0; // 35 for 35 %
    double fly_ash_percent = 0;
    double slag_percent = 0;
    double admixture_percent = 0;
    double silica_fume_percent = 0;

    friend bool operator==(const MixRatios&, const MixRatios&) = default;
};

// One input or shown value of the design: "grade", "强度等级", "C30" (see design_stamp.h).
struct StampItem {
    std::string key;  // "grade": how the file keeps it
    std::string name; // "强度等级"
    std::string text; // "C30", "0.46", "174 kg/m³": as shown
    friend bool operator==(const StampItem&, const StampItem&) = default;
};

// A range of the air content the design asks of the fresh concrete, with its source as cited.
struct AirRange {
    standards::Limit low;
    standards::Limit high;
    std::string source; // "JGJ 55-2011 第 7.1.4 条（抗渗）"
};

// What the design's special requirements ask the trial to record and test, with the design's
// values the records are checked against; all false or empty for a design that asks none.
struct SpecialDemands {
    bool pumped = false;                        // the slump after a waiting time (7.4.3)
    bool impermeable = false;                   // the impermeability test (7.1.3) …
    std::string impermeability_grade;           // … of this grade, "P8"
    std::optional<double> impermeability_value; // P: 8 for P8; none when not given
    bool high_strength = false;                 // the repeat batches (7.3.4)
    bool mass = false;                          // the adiabatic temperature rise (7.5.4)
    bool air = false;                           // the air content measured …
    std::vector<AirRange> air_ranges;           // … and the ranges it must lie in
    std::optional<standards::Limit> chloride;   // the largest chloride of 表 3.0.6 …
    std::string chloride_source;                // … its row as cited
};

// What the design computed: the mix per m³, its ratios, the largest aggregate size and the
// target strength fcu,0; and the inputs it was computed from, as shown, so that what is cast
// from it can keep them.
struct DesignBasis {
    Mix mix;
    MixRatios ratios;
    double max_aggregate_mm = 0;
    double target_strength = 0; // fcu,0 in MPa
    double slump_mm = 0;        // the design's slump
    int grade = 0;              // the design's grade (from C60 the mixes stand W/B 0.02 apart)
    std::vector<StampItem> inputs;
    SpecialDemands demands;
};

struct BinderParts {
    double cement = 0;
    double fly_ash = 0;
    double slag = 0;
    double silica_fume = 0;
};
struct Aggregates {
    double sand = 0;
    double stone = 0;
};

// The design's aggregate step (volume or mass method): sand and stone per m³ for the binder
// parts, the water and the sand ratio; or why it cannot (a missing density …).
using AggregateMethod = std::function<Computed<Aggregates>(const BinderParts&, double water,
                                                           double sand_ratio_percent)>;

} // namespace mixora::trial
