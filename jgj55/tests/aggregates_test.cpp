#include "aggregates.h"

#include <gtest/gtest.h>

namespace mixora::jgj55 {
namespace {

// 185 cement, 74 fly ash, 111 slag, 174 water, βs 39 %.
AggregateDemand WithSlag() {
    AggregateDemand demand;
    demand.cement = 185;
    demand.fly_ash = 74;
    demand.slag = 111;
    demand.water = 174;
    demand.sand_ratio_percent = 39;
    return demand;
}

TEST(SolveAggregates, TheVolumeMethodFillsOneCubicMetre) {
    // 185/3100 + 74/2200 + 111/2900 + 174/1000 + 0.01 = 0.315590; 0.684410 / 0.000373096
    // = 1834.41 → 1834; 0.39 × 1834 = 715.26 → 715; 1834 − 715 = 1119
    Aggregates aggregates = SolveAggregates(WithSlag());
    EXPECT_EQ(aggregates.total, 1834.0);
    EXPECT_EQ(aggregates.sand, 715.0);
    EXPECT_EQ(aggregates.stone, 1119.0);
    EXPECT_EQ(aggregates.source, "式 5.5.2（体积法）");

    AggregateDemand no_air = WithSlag(); // 0.694410 / 0.000373096 = 1861.21
    no_air.volume.air_percent = 0;
    aggregates = SolveAggregates(no_air);
    EXPECT_EQ(aggregates.total, 1861.0);
    EXPECT_EQ(aggregates.sand, 726.0); // 725.79
    EXPECT_EQ(aggregates.stone, 1135.0);
}

TEST(SolveAggregates, TheMassMethodTakesTheRestOfTheAssumedMass) {
    AggregateDemand demand = WithSlag();
    demand.method = Method::Mass;
    demand.assumed_mass = 2450; // 2450 − 370 − 174 = 1906; 0.39 × 1906 = 743.34
    const Aggregates aggregates = SolveAggregates(demand);
    EXPECT_EQ(aggregates.total, 1906.0);
    EXPECT_EQ(aggregates.sand, 743.0);
    EXPECT_EQ(aggregates.stone, 1163.0);
    EXPECT_EQ(aggregates.source, "式 5.5.1-1（质量法）");
}

TEST(SolveAggregates, BadParametersGiveAProblemAndNoValues) {
    const auto problem_of = [](AggregateDemand demand) {
        const Aggregates aggregates = SolveAggregates(demand);
        EXPECT_FALSE(aggregates.total);
        EXPECT_FALSE(aggregates.sand);
        return aggregates.problem;
    };
    AggregateDemand demand = WithSlag();
    demand.volume.sand_density = 0;
    EXPECT_EQ(problem_of(demand), "砂表观密度须为大于 0 的数");
    demand = WithSlag();
    demand.volume.air_percent = -1;
    EXPECT_EQ(problem_of(demand), "含气量 α 须不小于 0 且小于 100 %");
    demand = WithSlag();
    demand.water = 900;
    EXPECT_EQ(problem_of(demand), "胶凝材料、水和含气量已占满 1 m³，没有骨料的体积");
    demand.method = Method::Mass;
    demand.assumed_mass = 1200;
    EXPECT_EQ(problem_of(demand), "假定表观密度不大于胶凝材料与水的用量之和，没有骨料的余量");
    demand = WithSlag();
    demand.sand_ratio_percent = 0;
    EXPECT_EQ(problem_of(demand), "砂率须大于 0 且小于 100 %");
    demand = WithSlag();
    demand.cement = -1;
    EXPECT_EQ(problem_of(demand), "水泥用量须为不小于 0 的数");
}

} // namespace
} // namespace mixora::jgj55
