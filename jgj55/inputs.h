#pragma once
// Everything a JGJ 55-2011 design starts from. A std::optional is a value the user may give in
// place of the one the design derives; absent, the design derives it (自动).
#include "choices.h"
#include "jgj55_2011.h"
#include "requirements.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace mixora::jgj55 {

// The design is JGJ 55-2011's: its steps read the standard's tables by their own names.
using namespace standards::jgj55_2011;

struct VolumeMethodInputs {
    double cement_density = kDefaultCementDensity;  // ρc, kg/m³
    double fly_ash_density = kDefaultFlyAshDensity; // ρf
    double slag_density = kDefaultSlagDensity;      // ρk
    double sand_density = kDefaultSandDensity;      // ρs
    double stone_density = kDefaultStoneDensity;    // ρg
    double water_density = kDefaultWaterDensity;    // ρw
    // ρsf: no default (the standard gives none); the volume method with 硅灰 asks for it.
    std::optional<double> silica_fume_density;
    double air_percent = kDefaultAirPercent; // α, %

    friend bool operator==(const VolumeMethodInputs&, const VolumeMethodInputs&) = default;
};

struct Inputs {
    int grade = 30; // fcu,k in MPa: C30 is 30

    std::optional<double> sigma;          // σ, MPa
    std::vector<double> strength_results; // fcu,i of past batches, MPa (σ from 30 or more)

    CementKind cement_kind = CementKind::OrdinaryPortland;
    CementGrade cement_grade = CementGrade::G42_5;
    std::optional<double> cement_strength; // fce measured, MPa
    std::optional<double> cement_surplus;  // γc

    FlyAshGrade fly_ash_grade = FlyAshGrade::II;
    double fly_ash_share = 0; // % of binder
    SlagGrade slag_grade = SlagGrade::S95;
    double slag_share = 0;                 // % of binder
    double silica_fume_share = 0;          // 硅灰, % of binder (第 7.3.2 条)
    std::optional<double> fly_ash_factor;  // γf
    std::optional<double> slag_factor;     // γs
    std::optional<double> binder_strength; // fb measured, MPa

    std::optional<double> alpha_a;
    std::optional<double> alpha_b;
    std::optional<double> water_binder; // W/B, needed from C60

    double admixture_dosage = 0; // % of binder
    double water_reduction = 0;  // β, %

    CoarseKind coarse = CoarseKind::Crushed;
    MaxSize max_size = MaxSize::Mm20;
    SandFineness sand = SandFineness::Medium;
    double slump = 50; // mm

    std::optional<double> water_before_reducer; // mw0′, kg/m³
    std::optional<double> water;                // mw0, kg/m³
    std::optional<double> sand_ratio;           // βs, %
    std::optional<double> binder;               // mb0, kg/m³ (given from C60, 表 7.3.2)

    EnvironmentClass environment = EnvironmentClass::One;
    StructureType structure = StructureType::Reinforced;
    Requirements requirements;

    Method method = Method::Volume;
    VolumeMethodInputs volume;
    double assumed_mass = kDefaultAssumedMass; // mcp, kg/m³ (mass method)

    // The number inputs that do not read, by their key (number_inputs.h), as the user typed
    // them or the file held them: "slump" → "1OO", or a value outside its range. Their numbers
    // above keep the defaults; the design computes nothing while there is one, and the file
    // keeps the text, so that nothing typed is lost (input_reading.h says what is wrong).
    std::map<std::string, std::string, std::less<>> unread;

    friend bool operator==(const Inputs&, const Inputs&) = default;
};

// The share of the binder all mineral admixtures take together, %.
inline double MineralShare(const Inputs& inputs) {
    return inputs.fly_ash_share + inputs.slag_share + inputs.silica_fume_share;
}
// How many mineral admixtures the binder holds (two or more: a composite, 表 3.0.5).
inline int MineralCount(const Inputs& inputs) {
    return (inputs.fly_ash_share > 0) + (inputs.slag_share > 0) + (inputs.silica_fume_share > 0);
}

} // namespace mixora::jgj55
