// The differences between two revisions, named as the report names them.
#include "design_diff.h"
#include "design_reading.h"
#include "lab_test_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mixora::lab::testing {
namespace {

document::DesignDocument Read(const std::string& bytes) {
    return std::get<document::DesignDocument>(session::ReadDesignDocument(bytes));
}

TEST(DesignDiff, ListsEachChangedInputAndResultAndNothingForTheSameDesign) {
    const auto before = Read(FileBytes(SamplePath("worked-example.mixora")));
    EXPECT_TRUE(DiffDesigns(before, before).empty());

    const auto after =
        Read(SampleWith("worked-example.mixora", "\"slump\": 160.0", "\"slump\": 180.0"));
    const auto differences = DiffDesigns(before, after);
    const auto has = [&](const std::string& item, const std::string& was, const std::string& now) {
        return std::any_of(differences.begin(), differences.end(), [&](const auto& d) {
            return d.item == item && d.before == was && d.after == now;
        });
    };
    EXPECT_TRUE(has("坍落度", "160 mm", "180 mm"));
    // The water for a higher slump, and what follows from it.
    EXPECT_TRUE(std::any_of(differences.begin(), differences.end(),
                            [](const auto& d) { return d.item.find("水") != std::string::npos; }));
    for (const DesignDifference& d : differences)
        EXPECT_NE(d.before, d.after) << d.item;
}

} // namespace
} // namespace mixora::lab::testing
