#include "aggregates.h"

#include "input_ranges.h"
#include "shown_value.h"

#include <array>
#include <cmath>
#include <string_view>

namespace mixora::jgj55 {
namespace {

constexpr int kMassDecimals = 0;

bool Finite(double value) {
    return std::isfinite(value);
}

std::string AmountProblem(const AggregateDemand& demand) {
    const std::array<std::pair<std::string_view, double>, 5> amounts = {{
        {"水泥用量", demand.cement},
        {"粉煤灰用量", demand.fly_ash},
        {"矿粉用量", demand.slag},
        {"硅灰用量", demand.silica_fume},
        {"用水量", demand.water},
    }};
    for (const auto& [name, amount] : amounts)
        if (!Finite(amount) || amount < 0.0) return std::string(name) + "须为不小于 0 的数";
    const double ratio = demand.sand_ratio_percent;
    if (!kSandRatioRange.Holds(ratio)) return "砂率" + RangeRule(kSandRatioRange);
    return {};
}

std::string DensityProblem(const VolumeMethodInputs& volume) {
    const std::array<std::pair<std::string_view, double>, 6> densities = {{
        {"水泥密度", volume.cement_density},
        {"粉煤灰密度", volume.fly_ash_density},
        {"矿粉密度", volume.slag_density},
        {"砂表观密度", volume.sand_density},
        {"石表观密度", volume.stone_density},
        {"水密度", volume.water_density},
    }};
    for (const auto& [name, density] : densities)
        if (!Finite(density) || density <= 0.0) return std::string(name) + "须为大于 0 的数";
    if (!kAirRange.Holds(volume.air_percent)) return "含气量 α " + RangeRule(kAirRange);
    return {};
}

// The unrounded aggregate total, or a problem.
std::optional<double> RawTotal(const AggregateDemand& demand, std::string& problem) {
    if (demand.method == Method::Mass) {
        if (!Finite(demand.assumed_mass) || demand.assumed_mass <= 0.0) {
            problem = "假定表观密度须为大于 0 的数";
            return std::nullopt;
        }
        return demand.assumed_mass - demand.cement - demand.fly_ash - demand.slag -
               demand.silica_fume - demand.water;
    }
    const VolumeMethodInputs& v = demand.volume;
    if (problem = DensityProblem(v); !problem.empty()) return std::nullopt;
    double taken = demand.cement / v.cement_density + demand.fly_ash / v.fly_ash_density +
                   demand.slag / v.slag_density + demand.water / v.water_density +
                   v.air_percent / 100.0;
    if (demand.silica_fume > 0.0) {
        if (!v.silica_fume_density || !Finite(*v.silica_fume_density) ||
            *v.silica_fume_density <= 0.0) {
            problem = "请给定 ρsf（硅灰密度）";
            return std::nullopt;
        }
        taken += demand.silica_fume / *v.silica_fume_density;
    }
    const double share = demand.sand_ratio_percent / 100.0;
    const double per_kg = share / v.sand_density + (1.0 - share) / v.stone_density;
    return (1.0 - taken) / per_kg;
}

} // namespace

Aggregates SolveAggregates(const AggregateDemand& demand) {
    Aggregates aggregates;
    aggregates.source =
        demand.method == Method::Mass
            ? std::string(kMassMethodSource) + "（" + std::string(NameOf(Method::Mass)) + "）"
            : std::string(kVolumeMethodSource) + "（" + std::string(NameOf(Method::Volume)) + "）";
    if (aggregates.problem = AmountProblem(demand); !aggregates.problem.empty()) return aggregates;
    const auto raw = RawTotal(demand, aggregates.problem);
    if (!raw) return aggregates;
    const double total = RoundShown(*raw, kMassDecimals);
    if (!Finite(total) || total <= 0.0) {
        aggregates.problem = demand.method == Method::Mass
                                 ? "假定表观密度不大于胶凝材料与水的用量之和，没有骨料的余量"
                                 : "胶凝材料、水和含气量已占满 1 m³，没有骨料的体积";
        return aggregates;
    }
    const double sand = RoundShown(total * demand.sand_ratio_percent / 100.0, kMassDecimals);
    aggregates.total = total;
    aggregates.sand = sand;
    aggregates.stone = total - sand;
    return aggregates;
}

} // namespace mixora::jgj55
