#include "trial_json.h"
#include "trial_procedure.h"
#include "trial_fixture.h"

namespace mixora::trial {
namespace {

DesignBasis C30Stamped() {
    DesignBasis basis = C30();
    basis.inputs = {{"grade", "强度等级", "C30"}};
    return basis;
}

// The fixture's three groups, made from the C30 design and recorded as made.
TrialEntries Made() {
    TrialEntries e = EntriesThroughStrength();
    EXPECT_EQ(RecordEnteredGroups(e, C30Stamped(), MassMethod2400()), 3);
    return e;
}

bool HasChange(const TrialMatch& match, const std::string& text) {
    for (const std::string& change : match.changes)
        if (change == text) return true;
    return false;
}

// Each kind of change after the cubes were made refuses the trial from the stage it touches,
// says what changed, and never moves the cubes: the line stays the one of the W/B they were
// made at (ratio_choice_test's f = 25.51·(B/W) − 15.59).
TEST(TrialMatchTest, EachChangeAfterTheCubesWereMadeIsNamedAndTheLineStays) {
    const TrialRecord before = RunTrial(C30Stamped(), MassMethod2400(), Made());
    EXPECT_TRUE(before.match.recorded);
    EXPECT_TRUE(before.match.matches());
    ASSERT_TRUE(before.choice.value);

    DesignBasis c35 = C30Stamped(); // the design a C35 would hand over
    c35.inputs[0].text = "C35";
    c35.target_strength = 43.2;
    c35.ratios.water_binder = 0.40;
    c35.mix = Mix{315, 90, 45, 180, 620, 1150, 6.75};
    DesignBasis share = C30Stamped();
    share.ratios.fly_ash_percent = 25;
    DesignBasis water = C30Stamped();
    water.mix.water = 185;
    struct Case {
        DesignBasis basis;
        std::string change;
    };
    for (const Case& c :
         {Case{c35, "强度等级 C30 → C35"}, Case{share, "粉煤灰掺量 20.0 % → 25.0 %"},
          Case{water, "水 180 kg/m³ → 185 kg/m³"}}) {
        const TrialRecord after = RunTrial(c.basis, MassMethod2400(), Made());
        EXPECT_TRUE(HasChange(after.match, c.change)) << c.change;
        EXPECT_EQ(after.match.first_stale, 0u);
        EXPECT_FALSE(after.match.may_issue());
        for (const StageState& stage : Stages(after)) {
            EXPECT_TRUE(stage.stale) << stage.name;
            EXPECT_NE(stage.missing.front().find("与当前设计不符：" + c.change), std::string::npos);
        }
        ASSERT_TRUE(after.choice.value);
        EXPECT_EQ(after.choice.value->line.slope, 25.51);
        EXPECT_EQ(after.choice.value->line.intercept, -15.59);
        EXPECT_EQ(after.strength_mixes.value->mixes[0].ratios.water_binder, 0.40);
    }

    // 0.10 kg more water in the 20 L batch: the trial mix's water 185, the cubes stay.
    TrialEntries actual = Made();
    actual.adjustment.kind = AdjustmentKind::BatchMasses;
    actual.adjustment.batch_masses = {"5.60", "1.60", "0.80", "3.70", "12.74", "23.66", "0.120"};
    const TrialRecord moved = RunTrial(C30Stamped(), MassMethod2400(), actual);
    EXPECT_EQ(moved.match.first_stale, 1u);
    EXPECT_TRUE(HasChange(moved.match, "试拌配合比的水 180 kg/m³ → 185 kg/m³"));
    EXPECT_FALSE(Stages(moved)[0].stale);
    EXPECT_TRUE(Stages(moved)[1].stale);
    EXPECT_EQ(moved.strengths.value->groups[1].value->water_binder, 0.45);
    EXPECT_EQ(moved.choice.value->line.slope, 25.51);
}

// The way back: a reason for these very changes lets the trial be issued (a later change asks
// again); a new trial keeps the old one in the history and starts from nothing.
TEST(TrialMatchTest, AReasonOrANewTrialLeadsBackAndTheFileKeepsBoth) {
    DesignBasis share = C30Stamped();
    share.ratios.fly_ash_percent = 25;
    TrialEntries e = Made();
    AcceptChanges(e, share, MassMethod2400(), "掺量变化在试验范围内");
    const TrialRecord accepted = RunTrial(share, MassMethod2400(), e);
    EXPECT_TRUE(accepted.match.may_issue());
    EXPECT_EQ(accepted.match.reason, "掺量变化在试验范围内");
    EXPECT_FALSE(Stages(accepted)[4].stale);
    DesignBasis again = share;
    again.ratios.fly_ash_percent = 30;
    EXPECT_FALSE(RunTrial(again, MassMethod2400(), e).match.may_issue());

    // Recording more groups is refused while the trial does not match.
    TrialEntries stale = EntriesThroughStrength();
    ASSERT_TRUE(RecordGroup(stale, C30Stamped(), MassMethod2400(), 0));
    EXPECT_FALSE(RecordGroup(stale, share, MassMethod2400(), 1));

    StartNewTrial(e);
    ASSERT_EQ(e.history.size(), 1u);
    EXPECT_TRUE(e.history[0].cast);
    EXPECT_FALSE(e.cast);
    EXPECT_TRUE(RunTrial(share, MassMethod2400(), e).match.matches());

    e.adjustment.slump_mm = "180";
    e.strength.groups[0] = {{"40.1", "", ""}, "", "2026-12-01", "S-01～03"};
    EXPECT_EQ(RecordEnteredGroups(e, share, MassMethod2400()), 1);
    const Computed<TrialEntries> read =
        TrialEntriesFromJson(nlohmann::json::parse(TrialEntriesToJson(e).dump()));
    ASSERT_TRUE(read.value) << read.missing.front();
    EXPECT_EQ(*read.value, e);
    EXPECT_EQ(read.value->cast->batches[0].specimen_numbers, "S-01～03");
}

} // namespace
} // namespace mixora::trial
