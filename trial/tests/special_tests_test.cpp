#include "special_tests.h"

#include "trial_fixture.h"

#include <gtest/gtest.h>

namespace mixora::trial {
namespace {

// The state and reason of the check of `kind`, run on `entries` alone.
SpecialCheck Checked(const DesignBasis& basis, const TrialAttempt& entries, SpecialKind kind) {
    const SpecialChecks checks = CheckSpecialRecords(basis, TrialRecord{}, entries);
    const SpecialCheck* check = checks.Find(kind);
    EXPECT_TRUE(check);
    return check ? *check : SpecialCheck{kind, {}, {}, {}, {}, RecordState::Lacking, "none"};
}

TEST(SpecialTests, OnlyWhatTheDesignAsksIsChecked) {
    EXPECT_TRUE(CheckSpecialRecords(C30(), {}, {}).checks.empty());
}

TEST(SpecialTests, TheImpermeabilityTestMustReachPOverTenPlusTheMarginWithoutSeepage) {
    DesignBasis basis = C30();
    basis.demands.impermeable = true;
    basis.demands.impermeability_grade = "P8";
    basis.demands.impermeability_value = 8;
    TrialAttempt e;
    e.special.seepage_pressure_mpa = "1.0";
    e.special.seepage = SeepageResult::Held;
    SpecialCheck check = Checked(basis, e, SpecialKind::Seepage);
    EXPECT_EQ(check.state, RecordState::Complies) << check.reason;
    EXPECT_EQ(check.limit, "Pt ≥ P/10 + 0.2 = 1.0 MPa（P8）");
    EXPECT_EQ(check.source, "JGJ 55-2011 第 7.1.3 条");
    e.special.seepage_pressure_mpa = "0.9";
    EXPECT_EQ(Checked(basis, e, SpecialKind::Seepage).state, RecordState::Fails);
    e.special.seepage_pressure_mpa = "1.2";
    e.special.seepage = SeepageResult::Leaked;
    EXPECT_EQ(Checked(basis, e, SpecialKind::Seepage).state, RecordState::Fails);
    e.special.seepage = SeepageResult::NotTested;
    EXPECT_EQ(Checked(basis, e, SpecialKind::Seepage).state, RecordState::Lacking);
    basis.demands.impermeability_value.reset(); // P12 以上 without its value
    EXPECT_EQ(Checked(basis, e, SpecialKind::Seepage).reason, "设计未给定抗渗等级的数值");
}

TEST(SpecialTests, MeasuredValuesAreCheckedAtTheirLimitAndKeptAsTypedWhenTheyDoNotRead) {
    DesignBasis basis = C30();
    basis.demands.mass = true;
    basis.demands.chloride = standards::Limit{"0.30", 0.30};
    basis.demands.chloride_source = "JGJ 55-2011 表 3.0.6（干燥环境，钢筋混凝土）";
    basis.demands.air = true;
    basis.demands.air_ranges = {{{"3.0", 3.0}, {"5.0", 5.0}, "第 7.1.4 条"},
                                {{"4.5", 4.5}, {"7.0", 7.0}, "表 3.0.7"}};
    TrialAttempt e;
    e.special.temperature_rise = "50";
    e.special.chloride_percent = "0.30";
    e.special.air_percent = "4.5";
    EXPECT_EQ(Checked(basis, e, SpecialKind::TemperatureRise).state, RecordState::Complies);
    EXPECT_EQ(Checked(basis, e, SpecialKind::Chloride).state, RecordState::Complies);
    EXPECT_EQ(Checked(basis, e, SpecialKind::Air).state, RecordState::Complies);
    EXPECT_EQ(Checked(basis, e, SpecialKind::Air).limit, "3.0～5.0 %；4.5～7.0 %");
    e.special.temperature_rise = "50.1";
    e.special.chloride_percent = "0.31";
    e.special.air_percent = "4.4"; // within 7.1.4's range, below 表 3.0.7's
    EXPECT_EQ(Checked(basis, e, SpecialKind::TemperatureRise).state, RecordState::Fails);
    EXPECT_EQ(Checked(basis, e, SpecialKind::Chloride).state, RecordState::Fails);
    EXPECT_EQ(Checked(basis, e, SpecialKind::Air).state, RecordState::Fails);
    e.special.temperature_rise = "50,1";
    e.special.chloride_percent = "";
    const SpecialCheck unread = Checked(basis, e, SpecialKind::TemperatureRise);
    EXPECT_EQ(unread.state, RecordState::Lacking);
    EXPECT_NE(unread.reason.find("50,1"), std::string::npos) << unread.reason;
    EXPECT_EQ(Checked(basis, e, SpecialKind::Chloride).reason, "水溶性氯离子含量未填写");
}

TEST(SpecialTests, TheSlumpAfterWaitingIsRecordedWithItsLoss) {
    DesignBasis basis = C30();
    basis.demands.pumped = true;
    TrialAttempt e;
    e.adjustment.slump_mm = "200";
    e.special.wait_minutes = "60";
    e.special.slump_after_wait_mm = "175";
    const SpecialCheck check = Checked(basis, e, SpecialKind::SlumpAfterWait);
    EXPECT_EQ(check.state, RecordState::Recorded);
    EXPECT_EQ(check.value, "等待 60 min 后 175 mm（出机 200 mm，损失 25 mm）");
    EXPECT_EQ(check.reason, "试配时应考虑坍落度经时损失");
    e.special.wait_minutes = "601";
    EXPECT_EQ(Checked(basis, e, SpecialKind::SlumpAfterWait).state, RecordState::Lacking);
}

TEST(SpecialTests, EveryRepeatBatchOfAHighStrengthMixMustReachFcu0AndThreeAreNeeded) {
    DesignBasis basis = C30();
    basis.target_strength = 69.0;
    basis.demands.high_strength = true;
    TrialAttempt e;
    e.special.repeats[0].strengths = {"69.0", "69.0", "69.0"};
    e.special.repeats[1].strengths = {"70.0", "71.0", "72.0"};
    SpecialCheck check = Checked(basis, e, SpecialKind::Repeats);
    EXPECT_EQ(check.state, RecordState::Lacking);
    EXPECT_EQ(check.reason, "须不少于 3 盘，已有 2 盘有效");
    e.special.repeats[2].strengths = {"75.0", "76.0", "77.0"};
    check = Checked(basis, e, SpecialKind::Repeats);
    EXPECT_EQ(check.state, RecordState::Complies) << check.reason;
    EXPECT_EQ(check.value, "3 盘：69.0 / 71.0 / 76.0 MPa");
    e.special.repeats[0].strengths = {"68.9", "68.9", "68.9"};
    check = Checked(basis, e, SpecialKind::Repeats);
    EXPECT_EQ(check.state, RecordState::Fails);
    EXPECT_EQ(check.reason, "第 1 盘 68.9 MPa 低于配制强度 69.0 MPa");
}

TEST(SpecialTests, ARepeatBatchMadeFromAChosenMixThatChangedNoLongerHolds) {
    DesignBasis basis = C30();
    basis.demands.high_strength = true;
    TrialEntries e = EntriesThroughStrength();
    e.special.repeats[0] = {{"45.0", "45.5", "46.0"}, {}, "2026-12-01", {}};
    EXPECT_EQ(RecordEnteredGroups(e, basis, MassMethod2400()), 4);
    ASSERT_TRUE(e.cast && e.cast->Find("repeat", 0));
    const auto state = [&] {
        const TrialRecord record = RunTrial(basis, MassMethod2400(), e);
        return CheckSpecialRecords(basis, record, e).checks.front().state;
    };
    EXPECT_EQ(state(), RecordState::Lacking); // one batch of three
    // Another strength moves the line and the chosen W/B: the batch was made from another mix.
    e.strength.groups[2].strengths = {"30.2", "30.0", "30.4"};
    EXPECT_EQ(state(), RecordState::Stale);
}

} // namespace
} // namespace mixora::trial
