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

} // namespace
} // namespace mixora::session
