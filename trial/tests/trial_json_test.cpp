#include "trial_json.h"

#include <gtest/gtest.h>

namespace mixora::trial {
namespace {

using nlohmann::json;

TrialEntries Recorded() {
    TrialEntries e;
    e.batch.litres = "25";
    e.adjustment = {AdjustmentKind::BatchMasses,
                    {"7.1", "2", "1", "4.6", "15.9", "29.6", "0.152"},
                    "185",
                    "6.8",
                    "36",
                    "190"};
    e.strength.specimen = SpecimenSize::Mm100;
    e.strength.age_days = "60";
    e.strength.groups[1] = {{"41.5", "", "42 \"x\""}, "2400", {}, {}};
    e.density.measured = "2430";
    e.production = {"3.5", "0.8", "2026-12-07 08:30", "2"};
    e.special.wait_minutes = "60";
    e.special.seepage = SeepageResult::Held;
    e.special.repeats[2] = {{"70.1", "69", ""}, {}, "2026-12-01", "R-3"};
    e.special.chloride_percent = "0.05";
    return e;
}

TEST(TrialJsonTest, EntriesRoundTripThroughJsonText) {
    const json stored = TrialEntriesToJson(Recorded());
    EXPECT_EQ(stored.at("adjustment").at("kind"), "batch_masses");
    EXPECT_EQ(stored.at("strength").at("specimen"), "100 mm");
    EXPECT_EQ(stored.at("special").at("seepage"), "held");
    const Computed<TrialEntries> read = TrialEntriesFromJson(json::parse(stored.dump()));
    ASSERT_TRUE(read.value) << read.missing.front();
    EXPECT_EQ(*read.value, Recorded());
    EXPECT_EQ(*TrialEntriesFromJson(TrialEntriesToJson(TrialEntries{})).value, TrialEntries{});
}

TEST(TrialJsonTest, MissingKeysKeepDefaultsAndBadValuesAreNamed) {
    const Computed<TrialEntries> sparse =
        TrialEntriesFromJson(json{{"density", {{"measured", 2430}}}, {"later", true}});
    ASSERT_TRUE(sparse.value);
    EXPECT_EQ(sparse.value->density.measured, "2430");
    EXPECT_EQ(sparse.value->batch.litres, "20");
    EXPECT_EQ(sparse.value->special, SpecialEntry{}); // a file of an earlier version

    const auto problem = [](const json& object) {
        const Computed<TrialEntries> read = TrialEntriesFromJson(object);
        EXPECT_FALSE(read.value);
        return read.missing.empty() ? std::string() : read.missing.front();
    };
    EXPECT_EQ(problem(json::array()), "试配记录应为 JSON 对象");
    EXPECT_EQ(problem(json{{"batch", 20}}), "试配记录中 batch 应为对象");
    EXPECT_EQ(problem(json{{"adjustment", {{"kind", "guess"}}}}),
              "试配记录中 adjustment.kind “guess”不是可选的调整方式");
    EXPECT_EQ(problem(json{{"strength", {{"specimen", "120 mm"}}}}),
              "试配记录中 strength.specimen “120 mm”不是可选的试件尺寸");
    EXPECT_EQ(problem(json{{"strength", {{"groups", json::array({1, 2})}}}}),
              "试配记录中 strength.groups 应为 3 项的数组");
    json groups = TrialEntriesToJson(TrialEntries{})["strength"]["groups"];
    groups[2]["strengths"][1] = json::array();
    EXPECT_EQ(problem(json{{"strength", {{"groups", groups}}}}),
              "试配记录中 strength.groups[2].strengths[1] 应为文本");
    EXPECT_EQ(problem(json{{"production", {{"measured_at", false}}}}),
              "试配记录中 production.measured_at 应为文本");
    EXPECT_EQ(problem(json{{"special", {{"seepage", "dry"}}}}),
              "试配记录中 special.seepage “dry”不是可选的抗渗试验结果");
    EXPECT_EQ(problem(json{{"special", {{"repeats", json::array({1})}}}}),
              "试配记录中 special.repeats 应为 3 项的数组");
}

} // namespace
} // namespace mixora::trial
