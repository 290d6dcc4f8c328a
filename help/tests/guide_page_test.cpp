#include "guide_page.h"

#include <gtest/gtest.h>


namespace mixora::help {
namespace {

TEST(GuidePage, ListsEveryFieldByTheCaptionGivenInPlaceOfTheMarker) {
    const std::string guide(ShippedGuide());
    ASSERT_NE(guide.find(kFieldTableMarker), std::string::npos);
    const std::string page = GuidePage(guide, [](calc::Field field) {
        return "«" + std::to_string(calc::FieldIndex(field) + 1) + "<»";
    });
    EXPECT_EQ(page.find(kFieldTableMarker), std::string::npos);
    size_t last = 0;
    for (const calc::Field field : calc::kAllFields) {
        const size_t at = page.find("«" + std::to_string(calc::FieldIndex(field) + 1) + "&lt;»");
        ASSERT_NE(at, std::string::npos) << calc::FieldIndex(field);
        EXPECT_GT(at, last); // in field order
        last = at;
    }
    // What users most often get wrong is said where they look for it.
    EXPECT_NE(page.find("3 % 输入 0.03"), std::string::npos);
    EXPECT_NE(page.find("清除计算结果"), std::string::npos);
    // The standards' values the table quotes, read from the tables themselves.
    EXPECT_NE(page.find("C20 及以下 4.0，C25～C45 5.0，C50～C55 6.0"), std::string::npos);
    EXPECT_NE(page.find("默认 0.48；JGJ 55-2011：卵石 0.49，碎石 0.53"), std::string::npos);
    EXPECT_NE(page.find("fcu,0 = fcu,k + 1.645σ"), std::string::npos);
}

TEST(GuidePage, WithoutTheMarkerTheTableEndsTheBody) {
    const std::string page =
        GuidePage("<html><body><p>x</p></body></html>", [](calc::Field) { return "c"; });
    EXPECT_LT(page.find("<table id=\"fields\">"), page.find("</body>"));
}

} // namespace
} // namespace mixora::help
