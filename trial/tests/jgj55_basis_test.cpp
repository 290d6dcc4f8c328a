#include "jgj55_basis.h"

#include "design.h"
#include "design_fixture.h"

#include <gtest/gtest.h>

namespace mixora::trial {
namespace {

TEST(Jgj55Basis, TheWorkedExampleHandsOverItsShownMixAndReproducesItsAggregates) {
    const jgj55::Inputs inputs = jgj55::WorkedExample();
    const Computed<DesignBasis> basis = DesignBasisOf(inputs, jgj55::ComputeDesign(inputs));
    ASSERT_TRUE(basis.value) << (basis.missing.empty() ? "" : basis.missing.front());
    EXPECT_EQ(basis.value->mix, (Mix{296, 74, 0, 174, 718, 1123, 4.44}));
    EXPECT_DOUBLE_EQ(basis.value->ratios.water_binder, 0.47);
    EXPECT_DOUBLE_EQ(basis.value->ratios.sand_ratio_percent, 39);
    EXPECT_DOUBLE_EQ(basis.value->ratios.fly_ash_percent, 20);
    EXPECT_DOUBLE_EQ(basis.value->max_aggregate_mm, 20);
    EXPECT_DOUBLE_EQ(basis.value->target_strength, 43.2);
    EXPECT_EQ(basis.value->grade, 35);

    const Computed<Aggregates> again = AggregateMethodOf(inputs)({296, 74, 0}, 174, 39);
    ASSERT_TRUE(again.value);
    EXPECT_DOUBLE_EQ(again.value->sand, 718);
    EXPECT_DOUBLE_EQ(again.value->stone, 1123);
}

TEST(Jgj55Basis, TheRequirementsTellTheTrialWhatToRecordWithTheDesignsLimits) {
    jgj55::Inputs inputs = jgj55::WorkedExample();
    EXPECT_EQ(DesignBasisOf(inputs, jgj55::ComputeDesign(inputs)).value->demands.impermeable,
              false);
    inputs.requirements.pumped = true;
    inputs.requirements.impermeability = jgj55::ImpermeabilityGrade::P8;
    inputs.requirements.air_entrained = true;
    inputs.requirements.air_exposure = jgj55::AirExposure::SaltFrost;
    const Computed<DesignBasis> basis = DesignBasisOf(inputs, jgj55::ComputeDesign(inputs));
    ASSERT_TRUE(basis.value) << basis.missing.front();
    const SpecialDemands& demands = basis.value->demands;
    EXPECT_TRUE(demands.pumped);
    EXPECT_FALSE(demands.high_strength || demands.mass);
    EXPECT_EQ(demands.impermeability_grade, "P8");
    EXPECT_EQ(demands.impermeability_value, 8);
    ASSERT_EQ(demands.air_ranges.size(), 2u); // 7.1.4's, and 表 3.0.7's for 20 mm up to 7.0
    EXPECT_EQ(demands.air_ranges[1].low.text, "6.0");
    EXPECT_EQ(demands.air_ranges[1].high.text, "7.0");
    ASSERT_TRUE(demands.chloride);
    EXPECT_EQ(demands.chloride->text, "0.30");
    EXPECT_EQ(demands.chloride_source, "JGJ 55-2011 表 3.0.6（干燥环境，钢筋混凝土）");
}

TEST(Jgj55Basis, ADesignThatCannotBeComputedSaysWhyAndAnImpossibleMixHasNoAggregates) {
    jgj55::Inputs inputs = jgj55::WorkedExample();
    // F150 without an air-entraining agent: 表 7.2.2-1 gives no maximum W/B
    inputs.requirements.frost = jgj55::FrostGrade::F150Up;
    const Computed<DesignBasis> basis = DesignBasisOf(inputs, jgj55::ComputeDesign(inputs));
    EXPECT_FALSE(basis.value);
    ASSERT_FALSE(basis.missing.empty());
    EXPECT_NE(basis.missing.front().find("W/B"), std::string::npos) << basis.missing.front();

    const Computed<Aggregates> none = AggregateMethodOf(inputs)({2000, 0, 0}, 900, 39);
    EXPECT_FALSE(none.value);
    EXPECT_FALSE(none.missing.empty());
}

} // namespace
} // namespace mixora::trial
