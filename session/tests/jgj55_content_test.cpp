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

} // namespace
} // namespace mixora::session
