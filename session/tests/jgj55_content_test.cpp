#include "jgj55_content.h"

#include "design_fixture.h"
#include "inputs_json.h"
#include "jgj55_basis.h"
#include "trial_json.h"

#include <gtest/gtest.h>

namespace mixora::session {
namespace {

using nlohmann::json;

TEST(Jgj55ContentTest, ADesignReadsBackAndAnUnchangedOneKeepsItsMembersAsWritten) {
    Jgj55Content content{jgj55::WorkedExample(), {}};
    content.trial.strength.groups[1].density = "2390";
    const document::DesignDocument put = WithJgj55Content({}, content);
    EXPECT_EQ(put.kind(), document::DesignKind::Jgj55);
    EXPECT_EQ(Jgj55ContentOf(put), content);

    // Another program left the defaults out and spelled a number its own way, and added a key:
    // unchanged, it stays exactly so; changed, the new value goes in and the key stays.
    document::DesignDocument sparse;
    sparse.set_content(document::DesignKind::Jgj55,
                       {{"design", {{"grade", 35}, {"slump", 160}, {"备注", "试验室 A"}}}});
    const Jgj55Content read = Jgj55ContentOf(sparse);
    EXPECT_EQ(read.inputs.grade, 35);
    EXPECT_EQ(WithJgj55Content(sparse, read).content().at("design"), sparse.content().at("design"));
    Jgj55Content changed = read;
    changed.inputs.slump = 180;
    const json design = WithJgj55Content(sparse, changed).content().at("design");
    EXPECT_EQ(design.at("slump"), 180.0);
    EXPECT_EQ(design.at("备注"), "试验室 A");
}

TEST(Jgj55ContentTest, WhatAFileLeftOutStaysOutUntilItChangesAndWhatGoesIsGone) {
    document::DesignDocument file;
    file.set_content(document::DesignKind::Jgj55,
                     {{"design", {{"grade", 35}, {"strength_results", {31.5, 33}}}}});
    Jgj55Content read = Jgj55ContentOf(file);
    EXPECT_EQ(WithJgj55Content(file, read), file); // no "trial" added to an unchanged design

    read.inputs.strength_results.clear(); // written as no key at all: the old key must go
    read.trial.batch.litres = "25";
    const document::DesignDocument saved = WithJgj55Content(file, read);
    EXPECT_EQ(Jgj55ContentOf(saved), read);
    EXPECT_FALSE(saved.content().at("design").contains("strength_results"));
}

TEST(Jgj55ContentTest, TheRequirementsAreAMemberOfTheirOwnWrittenOnlyWhenThereAreAny) {
    Jgj55Content content{jgj55::WorkedExample(), {}};
    document::DesignDocument saved = WithJgj55Content({}, content);
    EXPECT_FALSE(saved.content().contains("requirements"));

    content.inputs.requirements.pumped = true;
    content.inputs.requirements.pipe_bore = 125;
    content.inputs.requirements.impermeability = jgj55::ImpermeabilityGrade::P8;
    content.inputs.requirements.chloride = jgj55::ChlorideEnvironment::Deicing;
    saved = WithJgj55Content(saved, content);
    EXPECT_EQ(saved.content().at("requirements"),
              json::parse(R"({"pumped": true, "pipe_bore": 125.0, "impermeability": "P8",
                              "chloride": "deicing"})"));
    EXPECT_FALSE(saved.content().at("design").contains("requirements"));
    EXPECT_EQ(Jgj55ContentOf(saved), content);

    // A key of a newer version is kept; a wrong value leaves the requirements at none.
    json members = saved.content();
    members["requirements"]["冬期施工"] = true;
    saved.set_content(document::DesignKind::Jgj55, members);
    content.inputs.requirements.mass = true;
    EXPECT_EQ(WithJgj55Content(saved, content).content().at("requirements").at("冬期施工"), true);
    members["requirements"]["frost"] = "F999";
    saved.set_content(document::DesignKind::Jgj55, members);
    EXPECT_EQ(Jgj55ContentOf(saved).inputs.requirements, jgj55::Requirements{});
}

// As every number of the design: one that does not read is saved as typed, reads back, and is
// named; a text in the file that reads is its number.
TEST(Jgj55ContentTest, ARequirementNumberThatDoesNotReadIsKeptAsTypedAndNamed) {
    Jgj55Content content{jgj55::WorkedExample(), {}};
    content.inputs.requirements.pumped = true;
    jgj55::PutRequirementNumber(content.inputs.requirements, content.inputs.unread,
                                *jgj55::FindRequirementNumber("pump_height"), "8O");
    document::DesignDocument saved = WithJgj55Content({}, content);
    EXPECT_EQ(saved.content().at("requirements").at("pump_height"), "8O");
    EXPECT_EQ(saved.content().at("design"), jgj55::InputsToJson(jgj55::WorkedExample()));
    EXPECT_EQ(Jgj55ContentOf(saved), content);
    EXPECT_EQ(WithJgj55Content(saved, content), saved);
    EXPECT_EQ(InputProblemOf(saved), "泵送高度“8O”不是数字");

    json members = saved.content();
    members["requirements"]["pump_height"] = "80";
    saved.set_content(document::DesignKind::Jgj55, members);
    const jgj55::Inputs read = Jgj55ContentOf(saved).inputs;
    EXPECT_EQ(read.requirements.pump_height, 80);
    EXPECT_TRUE(read.unread.empty());
}

// An older file has cube strengths but no record of what they were made from: they are recorded
// from its design as it opens, saying so, and the file stays as it was until the design changes;
// then the record is written, with the earlier trials, and reads back as it was.
TEST(Jgj55ContentTest, AnOlderTrialIsRecordedAsItOpensAndWrittenOnceTheDesignChanges) {
    trial::TrialEntries old;
    old.adjustment.slump_mm = "160";
    old.strength.groups[1].strengths = {"45.1", "46.3", "44.0"};
    document::DesignDocument file;
    file.set_content(document::DesignKind::Jgj55,
                     {{"design", jgj55::InputsToJson(jgj55::WorkedExample())},
                      {"trial", trial::TrialEntriesToJson(old)}});
    Jgj55Content read = Jgj55ContentOf(file);
    ASSERT_TRUE(read.trial.cast);
    EXPECT_EQ(read.trial.cast->note, trial::kRecordedOnOpening);
    ASSERT_EQ(read.trial.cast->batches.size(), 1u);
    EXPECT_EQ(read.trial.cast->batches[0].mix.ratios.water_binder, 0.47);
    EXPECT_EQ(WithJgj55Content(file, read), file);

    read.inputs.grade = 40;
    trial::StartNewTrial(read.trial);
    const document::DesignDocument saved = WithJgj55Content(file, read);
    const Jgj55Content again = Jgj55ContentOf(saved);
    EXPECT_EQ(again, read);
    ASSERT_EQ(again.trial.history.size(), 1u);
    EXPECT_EQ(again.trial.history[0].cast->design.front().text, "C35");
}

TEST(Jgj55ContentTest, KeysThisVersionDoesNotKnowAreKeptAtEveryDepth) {
    const json group = {{"strengths", {"", "", ""}}, {"density", ""}, {"made_on", "12-01"}};
    document::DesignDocument file;
    file.set_content(
        document::DesignKind::Jgj55,
        {{"design",
          {{"grade", 35},
           {"given", {{"water", 174}, {"water_note", "实测"}}},
           {"volume", {{"sand_density", 2650}, {"sand_source", "河砂"}}}}},
         {"trial",
          {{"production", {{"sand_moisture_percent", "3.5"}, {"operator", "张工"}}},
           {"strength", {{"groups", {group, group, group}}, {"machine", "YAW-2000"}}}}}});
    Jgj55Content changed = Jgj55ContentOf(file);
    changed.inputs.water.reset(); // a known key that goes
    changed.inputs.slump = 180;
    changed.trial.production.sand_moisture_percent = "4.0";
    changed.trial.strength.groups[1].density = "2390";
    const json saved = WithJgj55Content(file, changed).content();
    EXPECT_EQ(saved["design"]["given"], (json{{"water_note", "实测"}}));
    EXPECT_EQ(saved["design"]["volume"]["sand_source"], "河砂");
    EXPECT_EQ(saved["trial"]["production"]["operator"], "张工");
    EXPECT_EQ(saved["trial"]["production"]["sand_moisture_percent"], "4.0");
    EXPECT_EQ(saved["trial"]["strength"]["machine"], "YAW-2000");
    EXPECT_EQ(saved["trial"]["strength"]["groups"][1]["made_on"], "12-01");
    EXPECT_EQ(saved["trial"]["strength"]["groups"][1]["density"], "2390");
}

} // namespace
} // namespace mixora::session
