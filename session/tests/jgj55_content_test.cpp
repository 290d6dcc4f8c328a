#include "jgj55_content.h"

#include "design_fixture.h"
#include "inputs_json.h"

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
