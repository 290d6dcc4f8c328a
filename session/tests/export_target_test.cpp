#include "export_target.h"

#include <gtest/gtest.h>

namespace mixora::session {
namespace {

TEST(ExportTarget, TheNameDecidesTheFormatAndTheChosenTypeOnlyWhenItSaysNone) {
    EXPECT_EQ(ExportKindFor(L"D:\\r.CSV", ExportKind::Html), ExportKind::Csv);
    EXPECT_EQ(ExportKindFor(L"D:\\r.Htm", ExportKind::Csv), ExportKind::Html);
    EXPECT_EQ(ExportKindFor(L"D:\\r.html", ExportKind::Csv), ExportKind::Html);
    EXPECT_EQ(ExportKindFor(L"D:\\报告", ExportKind::Csv), ExportKind::Csv);
    EXPECT_EQ(ExportKindFor(L"D:\\csv", ExportKind::Html), ExportKind::Html);
}

TEST(ExportTarget, SuggestsTheDesignsNameWithoutItsExtension) {
    EXPECT_EQ(SuggestedExportName(std::nullopt), L"配合比设计报告");
    EXPECT_EQ(SuggestedExportName(L"D:\\设计\\C30梁.mixora"), L"D:\\设计\\C30梁");
    EXPECT_EQ(SuggestedExportName(L"D:\\a.b\\梁"), L"D:\\a.b\\梁");
}

} // namespace
} // namespace mixora::session
