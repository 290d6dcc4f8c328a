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

} // namespace
} // namespace mixora::session
