#include "sheet_fixture.h"

#include <stdexcept>

namespace mixora::calc {
namespace {

TEST(Reset, WritesEveryFieldAndTheSelectionsButLeavesTheCrushedStoneBox) {
    for (const bool crushed : {false, true}) {
        MemorySheet sheet;
        for (const Field field : kAllFields)
            sheet.set_text(field, "x");
        sheet.set_on(Toggle::option2, true);
        sheet.set_on(Toggle::粗砂, true);
        sheet.set_on(Toggle::碎石, crushed);
        qk(sheet);
        for (const Field field : kAllFields)
            EXPECT_EQ(sheet.text(field), golden::kResetTexts[FieldIndex(field)])
                << FieldName(field);
        EXPECT_TRUE(sheet.is_on(Toggle::option1));
        EXPECT_FALSE(sheet.is_on(Toggle::option2));
        EXPECT_TRUE(sheet.is_on(Toggle::细砂));
        EXPECT_FALSE(sheet.is_on(Toggle::粗砂));
        EXPECT_TRUE(sheet.is_on(Toggle::卵石));
        EXPECT_EQ(sheet.is_on(Toggle::碎石), crushed);
    }
}

// A value made by a cast that names no field is a programming error on every sheet.
TEST(Sheet, AValueThatNamesNoFieldIsRefused) {
    MemorySheet sheet;
    for (const Field bad : {static_cast<Field>(0), static_cast<Field>(kFieldCount + 1)}) {
        EXPECT_THROW(sheet.text(bad), std::out_of_range);
        EXPECT_THROW(sheet.set_text(bad, "x"), std::out_of_range);
    }
}

} // namespace
} // namespace mixora::calc
