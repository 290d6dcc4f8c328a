#pragma once
// The small vocabulary of a concrete mix the trial works with, and what the design hands it:
// the computed mix, its ratios and the design's way of proportioning the aggregates.
#include "computed.h"

#include <functional>
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

    double binder() const { return cement + fly_ash + slag; }
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

    friend bool operator==(const MixRatios&, const MixRatios&) = default;
};

// One input or shown value of the design: "grade", "强度等级", "C30" (see design_stamp.h).
struct StampItem {
    std::string key;  // "grade": how the file keeps it
    std::string name; // "强度等级"
    std::string text; // "C30", "0.46", "174 kg/m³": as shown
    friend bool operator==(const StampItem&, const StampItem&) = default;
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
};

struct BinderParts {
    double cement = 0;
    double fly_ash = 0;
    double slag = 0;
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
