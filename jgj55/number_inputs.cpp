#include "number_inputs.h"

#include <array>

namespace mixora::jgj55 {

namespace {

using Q = Quantity;

constexpr NumberInput GivenInput(std::string_view key, Quantity quantity, const InputRange& range,
                                 std::optional<double>& (*given)(Inputs&)) {
    return {key, InputPlace::Given, {}, quantity, &range, nullptr, given};
}

constexpr NumberInput Number(std::string_view key, InputPlace place, std::string_view caption,
                             const InputRange& range, double& (*number)(Inputs&)) {
    return {key, place, caption, Q::Sigma, &range, number, nullptr};
}

// clang-format off
constexpr std::array kInputs = {
    GivenInput("sigma", Q::Sigma, kStrengthRange,
          [](Inputs& i) -> std::optional<double>& { return i.sigma; }),
    GivenInput("cement_surplus", Q::CementSurplus, kSurplusRange,
          [](Inputs& i) -> std::optional<double>& { return i.cement_surplus; }),
    GivenInput("cement_strength", Q::CementStrength, kStrengthRange,
          [](Inputs& i) -> std::optional<double>& { return i.cement_strength; }),
    Number("fly_ash_share", InputPlace::Design, "粉煤灰掺量", kShareRange,
           [](Inputs& i) -> double& { return i.fly_ash_share; }),
    Number("slag_share", InputPlace::Design, "矿粉掺量", kShareRange,
           [](Inputs& i) -> double& { return i.slag_share; }),
    NumberInput{"silica_fume_share", InputPlace::Design, "硅灰掺量", Q::Sigma, &kShareRange,
     [](Inputs& i) -> double& { return i.silica_fume_share; }, nullptr, true},
    GivenInput("fly_ash_factor", Q::FlyAshFactor, kInfluenceRange,
          [](Inputs& i) -> std::optional<double>& { return i.fly_ash_factor; }),
    GivenInput("slag_factor", Q::SlagFactor, kInfluenceRange,
          [](Inputs& i) -> std::optional<double>& { return i.slag_factor; }),
    GivenInput("binder_strength", Q::BinderStrength, kStrengthRange,
          [](Inputs& i) -> std::optional<double>& { return i.binder_strength; }),
    GivenInput("alpha_a", Q::AlphaA, kAlphaARange,
          [](Inputs& i) -> std::optional<double>& { return i.alpha_a; }),
    GivenInput("alpha_b", Q::AlphaB, kAlphaBRange,
          [](Inputs& i) -> std::optional<double>& { return i.alpha_b; }),
    GivenInput("water_binder", Q::WaterBinder, kWaterBinderRange,
          [](Inputs& i) -> std::optional<double>& { return i.water_binder; }),
    Number("admixture_dosage", InputPlace::Design, "外加剂掺量", kDosageRange,
           [](Inputs& i) -> double& { return i.admixture_dosage; }),
    Number("water_reduction", InputPlace::Design, "减水率", kReductionRange,
           [](Inputs& i) -> double& { return i.water_reduction; }),
    Number("slump", InputPlace::Design, "坍落度", kSlumpRange, [](Inputs& i) -> double& { return i.slump; }),
    GivenInput("water_before_reducer", Q::WaterBeforeReducer, kWaterRange,
          [](Inputs& i) -> std::optional<double>& { return i.water_before_reducer; }),
    GivenInput("water", Q::Water, kWaterRange,
          [](Inputs& i) -> std::optional<double>& { return i.water; }),
    GivenInput("binder", Q::Binder, kPerCubicMetreRange,
          [](Inputs& i) -> std::optional<double>& { return i.binder; }),
    GivenInput("sand_ratio", Q::SandRatio, kSandRatioRange,
          [](Inputs& i) -> std::optional<double>& { return i.sand_ratio; }),
    Number("cement_density", InputPlace::Volume, "水泥密度", kDensityRange,
           [](Inputs& i) -> double& { return i.volume.cement_density; }),
    Number("fly_ash_density", InputPlace::Volume, "粉煤灰密度", kDensityRange,
           [](Inputs& i) -> double& { return i.volume.fly_ash_density; }),
    Number("slag_density", InputPlace::Volume, "矿粉密度", kDensityRange,
           [](Inputs& i) -> double& { return i.volume.slag_density; }),
    // Kept in "volume" and empty until given: no density is assumed for 硅灰.
    NumberInput{"silica_fume_density", InputPlace::Volume, "硅灰密度", Q::SilicaFume, &kDensityRange, nullptr,
     [](Inputs& i) -> std::optional<double>& { return i.volume.silica_fume_density; }},
    Number("sand_density", InputPlace::Volume, "砂表观密度", kDensityRange,
           [](Inputs& i) -> double& { return i.volume.sand_density; }),
    Number("stone_density", InputPlace::Volume, "石表观密度", kDensityRange,
           [](Inputs& i) -> double& { return i.volume.stone_density; }),
    Number("water_density", InputPlace::Volume, "水密度", kDensityRange,
           [](Inputs& i) -> double& { return i.volume.water_density; }),
    Number("air_percent", InputPlace::Volume, "含气量", kAirRange,
           [](Inputs& i) -> double& { return i.volume.air_percent; }),
    Number("assumed_mass", InputPlace::Design, "拌合物假定质量", kDensityRange,
           [](Inputs& i) -> double& { return i.assumed_mass; }),
};
// clang-format on

constexpr bool KeysAreUnique() {
    for (std::size_t i = 0; i < kInputs.size(); ++i)
        for (std::size_t k = i + 1; k < kInputs.size(); ++k)
            if (kInputs[i].key == kInputs[k].key) return false;
    return true;
}
static_assert(KeysAreUnique(), "each number input has a key of its own");

} // namespace

std::span<const NumberInput> NumberInputs() {
    return kInputs;
}

const NumberInput* FindNumberInput(std::string_view key) {
    for (const NumberInput& input : kInputs)
        if (input.key == key) return &input;
    return nullptr;
}

// The accessors hand out references to write through; reading needs no copy of the inputs.
double NumberIn(const Inputs& inputs, const NumberInput& input) {
    return input.number ? input.number(const_cast<Inputs&>(inputs)) : 0.0;
}

std::optional<double> GivenIn(const Inputs& inputs, const NumberInput& input) {
    return input.given ? input.given(const_cast<Inputs&>(inputs)) : std::nullopt;
}

std::string CaptionOf(const NumberInput& input) {
    if (!input.caption.empty()) return std::string(input.caption);
    const QuantityInfo& info = InfoOf(input.quantity);
    return std::string(info.name) + " " + std::string(info.symbol);
}

} // namespace mixora::jgj55
