#pragma once
// Step 10 on its own: the sand and stone of one cubic metre from the binder parts, the water
// and the sand ratio, by the volume or the mass method. A trial mix adjusted by hand calls it
// with its own amounts.
#include "inputs.h"

#include <optional>
#include <string>

namespace mixora::jgj55 {

struct AggregateDemand {
    double cement = 0;             // mc0, kg/m³
    double fly_ash = 0;            // mf0
    double slag = 0;               // mk0
    double silica_fume = 0;        // msf0
    double water = 0;              // mw0
    double sand_ratio_percent = 0; // βs, %
    Method method = Method::Volume;
    VolumeMethodInputs volume;                 // the volume method's densities and α
    double assumed_mass = kDefaultAssumedMass; // mcp, the mass method's
};

struct Aggregates {
    // As shown: the total to 1 kg, the sand to 1 kg, the stone the rest of the total.
    std::optional<double> total;
    std::optional<double> sand;
    std::optional<double> stone;
    std::string source;  // "式 5.5.2（体积法）"
    std::string problem; // why there are none, in Chinese
};

// Never throws: a density that is not above zero, an amount below zero, a sand ratio outside
// 0–100 % or no room left for aggregate gives no values and a problem.
Aggregates SolveAggregates(const AggregateDemand& demand);

} // namespace mixora::jgj55
