// Rounding as by hand, the texts of given values, the step list and the choices.
#include "design_fixture.h"
#include "shown_value.h"
#include "step_catalog.h"

namespace mixora::jgj55 {
namespace {

TEST(ShownValue, HalvesRoundAwayFromZeroEvenWhenBinaryMissesThem) {
    EXPECT_EQ(RoundShown(1.025, 2), 1.03);
    EXPECT_EQ(RoundShown(0.125, 2), 0.13);
    EXPECT_EQ(RoundShown(2.5, 0), 3.0);
    EXPECT_EQ(RoundShown(-2.5, 0), -3.0);
    EXPECT_EQ(RoundShown(43.225, 1), 43.2);
    EXPECT_EQ(RoundShown(0.4449, 2), 0.44);
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(FormatFixed(174.375, 0), "174");
}

TEST(ShownValue, AGivenValueShowsAllItsDigits) {
    EXPECT_EQ(FormatGiven(4, 1), "4.0");
    EXPECT_EQ(FormatGiven(0.855, 2), "0.855");
    EXPECT_EQ(FormatGiven(180, 0), "180");
}

TEST(StepCatalog, TwelveStepsInOrderEachListingTheQuantitiesItDerives) {
    const std::vector<StepInfo> steps = DesignSteps();
    ASSERT_EQ(steps.size(), 12u);
    std::size_t listed = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].number, static_cast<int>(i) + 1);
        EXPECT_FALSE(steps[i].formula.empty());
        for (Quantity quantity : steps[i].quantities) {
            EXPECT_EQ(InfoOf(quantity).step, steps[i].number) << InfoOf(quantity).symbol;
            ++listed;
        }
    }
    EXPECT_EQ(listed, kQuantityCount);
    EXPECT_EQ(steps[1].formula, "fcu,0 = fcu,k + 1.645σ（< C60）；fcu,0 = 1.15fcu,k（≥ C60）");
}

TEST(Choices, NamesKeysAndTheSizesEachAggregateOffers) {
    EXPECT_EQ(NameOf(CoarseKind::Crushed), "碎石");
    EXPECT_EQ(NameOf(EnvironmentClass::TwoB), "二b");
    EXPECT_EQ(FromKey<SlagGrade>("S105"), SlagGrade::S105);
    EXPECT_EQ(FromKey<SlagGrade>("S110"), std::nullopt);
    EXPECT_EQ(GradeName(kStrengthGrades.back()), "C80");
    for (int grade : kStrengthGrades)
        EXPECT_FALSE(GradeName(grade).empty()) << grade;
    EXPECT_EQ(GradeName(82), "");
    const auto gravel = MaxSizesOf(CoarseKind::Gravel);
    EXPECT_EQ(std::vector<MaxSize>(gravel.begin(), gravel.end()),
              (std::vector<MaxSize>{MaxSize::Mm10, MaxSize::Mm20, MaxSize::Mm25, MaxSize::Mm31_5,
                                    MaxSize::Mm40}));
    // Every size offered has a column in the water table, or is read between two of them.
    for (const auto& kind : kCoarseKinds)
        for (MaxSize size : MaxSizesOf(kind.value))
            EXPECT_TRUE(ColumnOf(kWaterColumns, kind.value, size) ||
                        size == kWaterInterpolatedSizes[0].size)
                << kind.name;
}

} // namespace
} // namespace mixora::jgj55
