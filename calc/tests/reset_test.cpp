#include "sheet_fixture.h"

namespace mixora::calc {
namespace {

const char* const kResetTexts[kFieldCount] = {
    "20", "",     "4",  "",     "32.5", "0.48", "0.33", "",     "1.07", "", "水泥",
    "砂", "石子", "水", "0.36", "",     "",     "3.1",  "2.65", "",     "", "2.7",
    "1",  "",     "1",  "180",  "",     "",     "",     "",     "",     "", ""};

TEST(Reset, WritesEveryFieldAndTheSelectionsButLeavesTheCrushedStoneBox) {
    for (const bool crushed : {false, true}) {
        MemorySheet sheet;
        for (int n = 1; n <= kFieldCount; ++n)
            sheet.set_text(n, "x");
        sheet.set_on(Toggle::option2, true);
        sheet.set_on(Toggle::粗砂, true);
        sheet.set_on(Toggle::碎石, crushed);
        qk(sheet);
        for (int n = 1; n <= kFieldCount; ++n)
            EXPECT_EQ(sheet.text(n), kResetTexts[n - 1]) << n;
        EXPECT_TRUE(sheet.is_on(Toggle::option1));
        EXPECT_FALSE(sheet.is_on(Toggle::option2));
        EXPECT_TRUE(sheet.is_on(Toggle::细砂));
        EXPECT_FALSE(sheet.is_on(Toggle::粗砂));
        EXPECT_TRUE(sheet.is_on(Toggle::卵石));
        EXPECT_EQ(sheet.is_on(Toggle::碎石), crushed);
    }
}

} // namespace
} // namespace mixora::calc
