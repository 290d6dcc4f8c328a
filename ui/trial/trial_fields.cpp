#include "trial_fields.h"

#include "trial_ids.h"

namespace mixora::ui {

namespace {

using namespace trial_ids;
using trial::AdjustmentKind;
using trial::TrialEntries;

template <int N, int K> std::string& CubeText(TrialEntries& e) {
    return e.strength.groups[N].strengths[K];
}
template <int N> std::string& DensityText(TrialEntries& e) {
    return e.strength.groups[N].density;
}
template <int N> std::string& MadeOnText(TrialEntries& e) {
    return e.strength.groups[N].made_on;
}
template <int N> std::string& NumbersText(TrialEntries& e) {
    return e.strength.groups[N].specimen_numbers;
}
template <int N, int K> std::string& RepeatCubeText(TrialEntries& e) {
    return e.special.repeats[N].strengths[K];
}
template <int N> std::string& RepeatMadeOnText(TrialEntries& e) {
    return e.special.repeats[N].made_on;
}
template <int N> std::string& RepeatNumbersText(TrialEntries& e) {
    return e.special.repeats[N].specimen_numbers;
}
template <std::string trial::SpecialEntry::*Member> std::string& SpecialText(TrialEntries& e) {
    return e.special.*Member;
}
template <std::string trial::MixTexts::*Member> std::string& ActualText(TrialEntries& e) {
    return e.adjustment.batch_masses.*Member;
}

// clang-format off
constexpr TrialTextField kFields[] = {
    {Litres, [](TrialEntries& e) -> std::string& { return e.batch.litres; }},
    {AdjustedWater, [](TrialEntries& e) -> std::string& { return e.adjustment.water; },
     AdjustmentKind::WaterAndAdmixture},
    {AdjustedAdmixture, [](TrialEntries& e) -> std::string& { return e.adjustment.admixture; },
     AdjustmentKind::WaterAndAdmixture},
    {AdjustedSandRatio,
     [](TrialEntries& e) -> std::string& { return e.adjustment.sand_ratio_percent; },
     AdjustmentKind::SandRatio},
    {Slump, [](TrialEntries& e) -> std::string& { return e.adjustment.slump_mm; }},
    {ActualMass + 0, &ActualText<&trial::MixTexts::cement>, AdjustmentKind::BatchMasses},
    {ActualMass + 1, &ActualText<&trial::MixTexts::fly_ash>, AdjustmentKind::BatchMasses},
    {ActualMass + 2, &ActualText<&trial::MixTexts::slag>, AdjustmentKind::BatchMasses},
    {ActualMass + 3, &ActualText<&trial::MixTexts::water>, AdjustmentKind::BatchMasses},
    {ActualMass + 4, &ActualText<&trial::MixTexts::sand>, AdjustmentKind::BatchMasses},
    {ActualMass + 5, &ActualText<&trial::MixTexts::stone>, AdjustmentKind::BatchMasses},
    {ActualMass + 6, &ActualText<&trial::MixTexts::admixture>, AdjustmentKind::BatchMasses},
    {SilicaFumeOf(ActualMass), &ActualText<&trial::MixTexts::silica_fume>,
     AdjustmentKind::BatchMasses},
    {AgeDays, [](TrialEntries& e) -> std::string& { return e.strength.age_days; }},
    {Cube(0, 0), &CubeText<0, 0>}, {Cube(0, 1), &CubeText<0, 1>}, {Cube(0, 2), &CubeText<0, 2>},
    {FreshDensity(0), &DensityText<0>},
    {MadeOn(0), &MadeOnText<0>}, {SpecimenNumbers(0), &NumbersText<0>},
    {Cube(1, 0), &CubeText<1, 0>}, {Cube(1, 1), &CubeText<1, 1>}, {Cube(1, 2), &CubeText<1, 2>},
    {FreshDensity(1), &DensityText<1>},
    {MadeOn(1), &MadeOnText<1>}, {SpecimenNumbers(1), &NumbersText<1>},
    {Cube(2, 0), &CubeText<2, 0>}, {Cube(2, 1), &CubeText<2, 1>}, {Cube(2, 2), &CubeText<2, 2>},
    {FreshDensity(2), &DensityText<2>},
    {MadeOn(2), &MadeOnText<2>}, {SpecimenNumbers(2), &NumbersText<2>},
    {MeasuredDensity, [](TrialEntries& e) -> std::string& { return e.density.measured; }},
    {SandMoisture,
     [](TrialEntries& e) -> std::string& { return e.production.sand_moisture_percent; }},
    {StoneMoisture,
     [](TrialEntries& e) -> std::string& { return e.production.stone_moisture_percent; }},
    {MeasuredAt, [](TrialEntries& e) -> std::string& { return e.production.measured_at; }},
    {MixerCapacity,
     [](TrialEntries& e) -> std::string& { return e.production.mixer_capacity_m3; }},
    {Chloride, &SpecialText<&trial::SpecialEntry::chloride_percent>},
    {AirContent, &SpecialText<&trial::SpecialEntry::air_percent>},
    {WaitMinutes, &SpecialText<&trial::SpecialEntry::wait_minutes>},
    {SlumpAfterWait, &SpecialText<&trial::SpecialEntry::slump_after_wait_mm>},
    {SeepagePressure, &SpecialText<&trial::SpecialEntry::seepage_pressure_mpa>},
    {TemperatureRise, &SpecialText<&trial::SpecialEntry::temperature_rise>},
    {RepeatCube(0, 0), &RepeatCubeText<0, 0>}, {RepeatCube(0, 1), &RepeatCubeText<0, 1>},
    {RepeatCube(0, 2), &RepeatCubeText<0, 2>},
    {RepeatMadeOn(0), &RepeatMadeOnText<0>}, {RepeatNumbers(0), &RepeatNumbersText<0>},
    {RepeatCube(1, 0), &RepeatCubeText<1, 0>}, {RepeatCube(1, 1), &RepeatCubeText<1, 1>},
    {RepeatCube(1, 2), &RepeatCubeText<1, 2>},
    {RepeatMadeOn(1), &RepeatMadeOnText<1>}, {RepeatNumbers(1), &RepeatNumbersText<1>},
    {RepeatCube(2, 0), &RepeatCubeText<2, 0>}, {RepeatCube(2, 1), &RepeatCubeText<2, 1>},
    {RepeatCube(2, 2), &RepeatCubeText<2, 2>},
    {RepeatMadeOn(2), &RepeatMadeOnText<2>}, {RepeatNumbers(2), &RepeatNumbersText<2>},
};

constexpr AdjustmentOption kOptions[] = {
    {Unchanged, AdjustmentKind::Unchanged},
    {ActualMasses, AdjustmentKind::BatchMasses},
    {WaterAndAdmixture, AdjustmentKind::WaterAndAdmixture},
    {SandRatioKind, AdjustmentKind::SandRatio},
};

constexpr SpecialRow kSpecialRows[] = {
    {ChlorideRow, 14, [](const trial::SpecialDemands& d) { return d.chloride.has_value(); }},
    {AirRow, 14, [](const trial::SpecialDemands& d) { return d.air; }},
    {SlumpRow, 14, [](const trial::SpecialDemands& d) { return d.pumped; }},
    {SeepageRow, 14, [](const trial::SpecialDemands& d) { return d.impermeable; }},
    {TemperatureRow, 14, [](const trial::SpecialDemands& d) { return d.mass; }},
    {RepeatRow, 66, [](const trial::SpecialDemands& d) { return d.high_strength; }},
};

constexpr trial::SpecimenSize kSizes[] = {
    trial::SpecimenSize::Mm100, trial::SpecimenSize::Mm150, trial::SpecimenSize::Mm200};
// clang-format on

} // namespace

std::span<const TrialTextField> TrialTextFields() {
    return kFields;
}

std::span<const AdjustmentOption> AdjustmentOptions() {
    return kOptions;
}

std::span<const SpecialRow> SpecialRows() {
    return kSpecialRows;
}

std::span<const trial::SpecimenSize> SpecimenSizesShown() {
    return kSizes;
}

} // namespace mixora::ui
