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
}

TEST(GuidePage, WithoutTheMarkerTheTableEndsTheBody) {
    const std::string page =
        GuidePage("<html><body><p>x</p></body></html>", [](calc::Field) { return "c"; });
    EXPECT_LT(page.find("<table id=\"fields\">"), page.find("</body>"));
}

} // namespace
} // namespace mixora::help
