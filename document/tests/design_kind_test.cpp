// A design of a kind of its own (JGJ 55-2011): written as version 2 with its kind, read back the
// same, and refused whole when one of its members cannot be read.
#include "design_file_support.h"
#include "design_fixture.h"
#include "inputs_json.h"
#include "trial_json.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace mixora::document {
namespace {

using nlohmann::json;

DesignDocument Jgj55Design() {
    trial::TrialEntries entries;
    entries.strength.groups[0].strengths = {"41.2", "40.8", "43.0"};
    entries.production.measured_at = "2026-12-07 07:30";
    DesignDocument document;
    document.set_content(DesignKind::Jgj55,
                         {{"design", jgj55::InputsToJson(jgj55::WorkedExample())},
                          {"trial", trial::TrialEntriesToJson(entries)}});
    document.set_extra({{"report", {{"project", "滨江大桥"}}}});
    return document;
}

TEST(DesignKindTest, AJgj55DesignIsWrittenAsVersionTwoOfItsKindAndReadsBackTheSame) {
    const DesignDocument design = Jgj55Design();
    const std::string written = WriteOk(design);
    EXPECT_TRUE(written.starts_with(
        "{\n  \"format\": \"mixora-design\",\n  \"version\": 2,\n  \"kind\": \"jgj55-2011\",\n"))
        << written;
    EXPECT_EQ(written.find("\"fields\""), std::string::npos) << "no cement sheet in it";
    const DesignDocument read = ReadOk(written);
    EXPECT_EQ(read, design);
    EXPECT_EQ(read.kind(), DesignKind::Jgj55);
    EXPECT_EQ(WriteOk(read), written);
}

TEST(DesignKindTest, MembersThisVersionDoesNotKnowAreKeptAndTheCementSheetsKeysAreNotItsOwn) {
    const std::string file = R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011",
        "fields": {"Text1": "30"}, "design": {"grade": 40}, "来自新版本": [1, 2.50]})";
    const DesignDocument read = ReadOk(file);
    EXPECT_EQ(read.content().at("design").at("grade"), 40);
    const std::string written = WriteOk(read);
    EXPECT_NE(written.find(R"("fields": {"Text1": "30"})"), std::string::npos) << written;
    EXPECT_NE(written.find(R"("来自新版本": [1, 2.50])"), std::string::npos) << written;
}

TEST(DesignKindTest, AJgj55DesignWrittenAsVersionOneSaysWhatItIs) {
    for (const char* member : {R"("design": {"grade": 40})", R"("kind": "jgj55-2011")"}) {
        const ReadResult read =
            ReadDesign(std::string(R"({"format": "mixora-design", "version": 1, )") + member + "}");
        ASSERT_TRUE(std::holds_alternative<DocumentError>(read)) << member;
        EXPECT_EQ(std::get<DocumentError>(read).kind, DocumentErrorKind::KindInVersion1);
        EXPECT_TRUE(ErrorMessage(std::get<DocumentError>(read))
                        .starts_with("这是 JGJ 55-2011 配合比设计，但文件写作版本 1"));
    }
}

// The example README gives is a file this version writes exactly so.
TEST(DesignKindTest, TheDocumentedExampleReadsAndIsWrittenBackAsDocumented) {
    std::ifstream file(MIXORA_README, std::ios::binary);
    const std::string readme(std::istreambuf_iterator<char>(file), {});
    const std::size_t heading = readme.find("A complete JGJ 55-2011 design");
    ASSERT_NE(heading, std::string::npos);
    const std::size_t start = readme.find("```json\n", heading) + 8;
    const std::string example = readme.substr(start, readme.find("```", start) - start);
    const DesignDocument read = ReadOk(example);
    EXPECT_EQ(read.kind(), DesignKind::Jgj55);
    EXPECT_EQ(WriteOk(read), example);
}

} // namespace
} // namespace mixora::document
