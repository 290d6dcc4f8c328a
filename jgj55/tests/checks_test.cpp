#include "design_fixture.h"

namespace mixora::jgj55 {
namespace {

const Check& Find(const Result& result, const std::string& item) {
    for (const Check& check : result.checks)
        if (check.item == item) return check;
    static const Check kNone;
    ADD_FAILURE() << "no check " << item;
    return kNone;
}

TEST(Checks, AGradeBelowTheEnvironmentsLowestFails) {
    Inputs inputs = WorkedExample();
    inputs.grade = 25;
    inputs.environment = EnvironmentClass::TwoB;
    const Result result = ComputeDesign(inputs);
    const Check& grade = Find(result, "最低强度等级");
    EXPECT_EQ(grade.limit, "≥ C30");
    EXPECT_EQ(grade.verdict, Verdict::Fails);
    EXPECT_EQ(Find(result, "最大水胶比").verdict, Verdict::Complies); // capped at 0.50
}

TEST(Checks, MineralLimitsOfTable3051ByCementAndWaterBinder) {
    Inputs inputs = WorkedExample();
    inputs.fly_ash_share = 35;
    inputs.water_binder = 0.45; // P·O above 0.40: 30 %
    Check fly_ash = Find(ComputeDesign(inputs), "粉煤灰最大掺量");
    EXPECT_EQ(fly_ash.value, "35 %");
    EXPECT_EQ(fly_ash.limit, "≤ 30 %");
    EXPECT_EQ(fly_ash.verdict, Verdict::Fails);

    inputs.water_binder = 0.40; // up to 0.40: 40 %
    fly_ash = Find(ComputeDesign(inputs), "粉煤灰最大掺量");
    EXPECT_EQ(fly_ash.limit, "≤ 40 %");
    EXPECT_EQ(fly_ash.source, "表 3.0.5-1（普通硅酸盐水泥 P·O，钢筋混凝土，W/B ≤ 0.40）");
    EXPECT_EQ(fly_ash.verdict, Verdict::Complies);

    inputs = WorkedExample();
    inputs.cement_kind = CementKind::Portland;
    inputs.slag_share = 40; // with 20 % fly ash: 60 % together
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(Find(result, "粉煤灰最大掺量").limit, "≤ 35 %");
    EXPECT_EQ(Find(result, "矿粉最大掺量").limit, "≤ 55 %");
    const Check& compound = Find(result, "复合掺合料最大掺量");
    EXPECT_EQ(compound.value, "60 %");
    EXPECT_EQ(compound.limit, "≤ 55 %");
    EXPECT_EQ(compound.verdict, Verdict::Fails);
}

TEST(Checks, PrestressedSharesByTable3052AndPlainNotChecked) {
    Inputs inputs = WorkedExample();
    inputs.structure = StructureType::Prestressed;
    inputs.water_binder = 0.40; // P·O fly ash: 25 % up to 0.40, 20 % above
    Check fly_ash = Find(ComputeDesign(inputs), "粉煤灰最大掺量");
    EXPECT_EQ(fly_ash.limit, "≤ 25 %");
    EXPECT_EQ(fly_ash.source, "表 3.0.5-2（普通硅酸盐水泥 P·O，预应力混凝土，W/B ≤ 0.40）");
    EXPECT_EQ(fly_ash.verdict, Verdict::Complies);
    inputs.water_binder = 0.41;
    EXPECT_EQ(Find(ComputeDesign(inputs), "粉煤灰最大掺量").verdict, Verdict::Complies); // 20 %
    inputs.cement_kind = CementKind::Portland;
    inputs.slag_share = 30; // P·I/P·II above 0.40: slag 45 %, composite 45 %
    const Result result = ComputeDesign(inputs);
    EXPECT_EQ(Find(result, "矿粉最大掺量").limit, "≤ 45 %");
    EXPECT_EQ(Find(result, "复合掺合料最大掺量").verdict, Verdict::Fails); // 50 %

    inputs = WorkedExample();
    inputs.structure = StructureType::Plain;
    EXPECT_EQ(Find(ComputeDesign(inputs), "粉煤灰最大掺量").verdict, Verdict::NotChecked);
    inputs.fly_ash_share = 0;
    EXPECT_EQ(ComputeDesign(inputs).checks.size(), 4u); // no admixture, no admixture check
}

} // namespace
} // namespace mixora::jgj55
