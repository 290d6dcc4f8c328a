#include "trial_notes.h"
#include "trial_procedure.h"
#include "trial_fixture.h"

namespace mixora::trial {
namespace {

std::array<bool, 7> Filled(const TrialRecord& record) {
    std::array<bool, 7> filled{};
    const std::array<StageState, 7> stages = Stages(record);
    for (std::size_t i = 0; i < stages.size(); ++i)
        filled[i] = stages[i].filled;
    return filled;
}

TEST(TrialProcedureTest, ALaterStageIsNeverPresentedFromMissingData) {
    const AggregateMethod method = MassMethod2400();
    TrialEntries e;
    TrialRecord record = RunTrial(C30(), method, e); // nothing recorded but the volume
    EXPECT_EQ(Filled(record),
              (std::array<bool, 7>{true, false, false, false, false, false, false}));
    EXPECT_EQ(Stages(record)[1].missing, std::vector<std::string>{"实测坍落度未填写"});
    EXPECT_EQ(Stages(record)[4].missing, std::vector<std::string>{"需先录入强度试验结果"});

    e = EntriesThroughStrength();
    e.strength.groups[0].strengths = {"", "", ""};
    e.strength.groups[1].strengths = {"", "", ""};
    record = RunTrial(C30(), method, e); // one group: no chosen ratio
    EXPECT_EQ(Filled(record), (std::array<bool, 7>{true, true, true, false, false, false, false}));
    EXPECT_EQ(Stages(record)[3].missing.size(), 6u);

    e = EntriesThroughStrength();
    record = RunTrial(C30(), method, e);
    EXPECT_EQ(Filled(record), (std::array<bool, 7>{true, true, true, true, true, false, false}));
    EXPECT_EQ(Stages(record)[5].missing, std::vector<std::string>{"拌合物表观密度实测值未填写"});
    EXPECT_EQ(Stages(record)[6].missing, std::vector<std::string>{"需先完成表观密度校正"});

    e.density.measured = "2430";
    record = RunTrial(C30(), method, e); // no moisture: no production mix
    EXPECT_EQ(Filled(record), (std::array<bool, 7>{true, true, true, true, true, true, false}));

    e.production = {"3.5", "0.8", "2026-12-07 08:30", "0.75"};
    record = RunTrial(C30(), method, e);
    EXPECT_EQ(Filled(record), (std::array<bool, 7>{true, true, true, true, true, true, true}));
    ExpectMix(*record.production.value->per_batch.value, Mix{200, 57, 29, 111, 500, 905, 4.28});
}

TEST(TrialProcedureTest, AMethodThatCannotSolveStopsTheMixesWithItsReason) {
    const AggregateMethod no_density = [](const BinderParts&, double, double) {
        return Computed<Aggregates>::Lacking("石子表观密度未填写");
    };
    const TrialRecord record = RunTrial(C30(), no_density, EntriesThroughStrength());
    EXPECT_TRUE(record.trial_mix.value); // unchanged: the design's own aggregates
    EXPECT_FALSE(record.strength_mixes.value);
    EXPECT_EQ(record.strength_mixes.missing.front(), "水胶比 0.40：石子表观密度未填写");
    EXPECT_EQ(Stages(record)[6].missing, std::vector<std::string>{"需先完成表观密度校正"});
}

TEST(TrialProcedureTest, AnEntryThatDoesNotReadHoldsTheTrialUpAndEveryStageSaysWhy) {
    const AggregateMethod method = MassMethod2400();
    TrialEntries e = EntriesThroughStrength();
    e.density.measured = "2430";
    e.production = {"3.5", "0.8", "2026-12-07 08:30", "0.75"};
    for (const char* cube : {"47,0", "1000000000"}) { // never a ratio from the other two groups
        e.strength.groups[0].strengths[1] = cube;
        const TrialRecord record = RunTrial(C30(), method, e);
        const std::string problem =
            "第 1 组（水胶比 0.40）试件 2 抗压强度“" + std::string(cube) + "”";
        ASSERT_EQ(record.strengths.value->unread.size(), 1u);
        EXPECT_TRUE(record.strengths.value->unread[0].starts_with(problem));
        EXPECT_EQ(Filled(record),
                  (std::array<bool, 7>{true, true, true, false, false, false, false}));
        EXPECT_EQ(record.choice.missing, record.strengths.value->unread);
    }
    e.strength.groups[0].strengths[1] = "47.0";
    for (const char* mixer :
         {"0", "-1", "1000000000"}) { // the mix per batch says why it is not there
        e.production.mixer_capacity_m3 = mixer;
        const TrialRecord record = RunTrial(C30(), method, e);
        EXPECT_TRUE(Stages(record)[6].filled);
        EXPECT_EQ(Stages(record)[6].missing,
                  std::vector<std::string>{"搅拌机每盘方量“" + std::string(mixer) +
                                           "”须大于 0 且不大于 20 m³（搅拌机每盘方量的物理范围）"});
    }
}

TEST(TrialNotesTest, NotesStateTheRulesTheStagesApply) {
    EXPECT_NE(
        TrialBatchNote().find(
            "20 L（粗骨料最大公称粒径不大于 31.5 mm），25 L（粗骨料最大公称粒径不大于 40 mm）"),
        std::string::npos);
    EXPECT_NE(StrengthGroupNote().find("100 mm × 0.95"), std::string::npos);
    EXPECT_NE(DensityNote().find("超过计算值的 2% 时"), std::string::npos);
}

} // namespace
} // namespace mixora::trial
