// What the register reads from a design file of either kind.
#include "design_reading.h"
#include "lab_test_files.h"
#include "register_entry.h"

#include <gtest/gtest.h>

namespace mixora::lab::testing {
namespace {

store::DesignEntry EntryOfBytes(const std::string& bytes) {
    auto read = session::ReadDesignDocument(bytes);
    return RegisterEntryOf(std::get<document::DesignDocument>(read), bytes);
}

TEST(RegisterEntry, ReadsTheKindGradeProjectCitedRecordsAndRequirements) {
    const std::string bytes =
        SampleWith("c30-trial.mixora", "\"extra\": {",
                   R"("extra": {"materials": [{"record": 12, "version": 2, "role": "cement"},
            {"record": "C-0013", "version": 1}, 7], "requirements": ["泵送", 5, "抗渗 P8"],)");
    const store::DesignEntry entry = EntryOfBytes(bytes);
    EXPECT_EQ(entry.document, bytes);
    EXPECT_EQ(entry.kind, "jgj55-2011");
    EXPECT_EQ(entry.grade, "C30");
    EXPECT_EQ(entry.project, "滨江大桥");
    EXPECT_EQ(entry.materials, (std::vector<store::MaterialCitation>{{12, 2}}));
    EXPECT_EQ(entry.requirements, (std::vector<std::string>{"泵送", "抗渗 P8"}));

    const store::DesignEntry cement = EntryOfBytes(
        R"({"format": "mixora-design", "version": 1, "fields": {"Text1": "25"},
            "options": {"option1": true}})");
    EXPECT_EQ(cement.kind, "cement");
    EXPECT_EQ(cement.grade, "C25");
    EXPECT_EQ(cement.project, "");
}

TEST(RegisterEntry, AJgj55DesignsOwnRequirementsComeFirstAndEachOnce) {
    const std::string bytes =
        SampleWith("c30-trial.mixora", "\"extra\": {",
                   R"("requirements": {"pumped": true, "impermeability": "above_P12",
            "impermeability_value": 14}, "extra": {"requirements": ["冬期施工", "泵送"],)");
    EXPECT_EQ(EntryOfBytes(bytes).requirements,
              (std::vector<std::string>{"泵送", "抗渗 P14", "冬期施工"}));
}

} // namespace
} // namespace mixora::lab::testing
