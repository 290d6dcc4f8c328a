// The audit of shown results against their inputs, as a user reaches a contradicting sheet:
// a press, a changed input, a press again.
#include "report_fixture.h"

#include "cement_clipboard.h"
#include "consistency_audit.h"
#include "press.h"
#include "report_writers.h"

namespace mixora::cement_report {
namespace {

using enum calc::Field;

struct IgnoredNotices final : calc::Notices {
    void notify(std::string_view) override {}
};

// The reset sheet as a user changes and presses it.
class UserSheet {
  public:
    UserSheet() { calc::qk(sheet_); }
    UserSheet& Set(calc::Field field, const char* text) {
        sheet_.set_text(field, text);
        return *this;
    }
    UserSheet& Press() {
        IgnoredNotices notices;
        EXPECT_EQ(calc::Press(sheet_, notices, calc::NumberFormat{}), std::nullopt);
        return *this;
    }
    std::string text(calc::Field field) const { return sheet_.text(field); }
    document::DesignSnapshot Snapshot() const { return document::TakeSnapshot(sheet_); }

  private:
    calc::MemorySheet sheet_;
};

using Findings = std::vector<AuditFinding>;

std::string AllText(const ReportPage& page) {
    return ReportCsv(page);
}

TEST(ConsistencyAuditTest, APressedSheetIsConsistentAndItsReportHasNoWarning) {
    const document::DesignSnapshot sheets[] = {
        PressedSnapshot(),
        UserSheet().Set(Text21, "0.03").Set(Text24, "0.01").Press().Snapshot(),
        UserSheet().Set(Text26, "120").Press().Snapshot(), // cement raised to 260
        UserSheet().Press().Set(Text8, "").Press().Snapshot(),
    };
    for (const document::DesignSnapshot& sheet : sheets) {
        EXPECT_EQ(AuditConsistency(sheet).findings, Findings{});
        const ReportPage page = BuildReport(sheet, ReportInfo{});
        EXPECT_EQ(FindSection(page, "注意"), nullptr);
        EXPECT_EQ(AllText(page).find("给定值"), std::string::npos);
    }
}

TEST(ConsistencyAuditTest, AGradeChangedAfterAPressLeavesTheTargetStrengthGiven) {
    const document::DesignSnapshot stale =
        UserSheet().Set(Text1, "30").Set(Text3, "5").Press().Set(Text1, "35").Press().Snapshot();
    ASSERT_EQ(stale.text(Text2), "38.23");
    // W/C follows from the given target strength; only the target strength is given.
    EXPECT_EQ(AuditConsistency(stale).findings, (Findings{{Text2, "43.23"}}));

    const ReportPage page = BuildReport(stale, ReportInfo{});
    ASSERT_FALSE(page.sections.empty());
    EXPECT_EQ(page.sections[0].title, "注意");
    EXPECT_TRUE(page.sections[0].rows.at(0).alert);
    EXPECT_EQ(ValueOf(page, "设计参数", "强度等级"), "C35");
    EXPECT_EQ(ValueOf(page, "计算结果", "配制强度 fcu,0"),
              "38.23 MPa（给定值；按公式 fcu,k + 1.645σ 应为 43.23 MPa）");
    EXPECT_EQ(ValueOf(page, "计算结果", "水灰比 W/C"), stale.text(Text8));
    const std::string given = "给定值；按公式 fcu,k + 1.645σ 应为 43.23 MPa";
    EXPECT_NE(ReportHtml(page).find(given), std::string::npos);
    EXPECT_NE(ReportCsv(page).find(given), std::string::npos);
    EXPECT_NE(ClipboardText(stale).find("\r\n混凝土配置强度按公式应为\t43.23\tMPa\r\n"),
              std::string::npos);
}

TEST(ConsistencyAuditTest, EachResultLeftFromOtherInputsIsFoundWithItsFormulaValue) {
    const UserSheet fresh_425 = UserSheet().Set(Text5, "42.5").Press();
    // W/C cleared alone after the cement strength changed: C/W and the cement are left.
    const document::DesignSnapshot wc_cleared =
        UserSheet().Press().Set(Text5, "42.5").Set(Text8, "").Press().Snapshot();
    EXPECT_EQ(AuditConsistency(wc_cleared).findings,
              (Findings{{Text10, fresh_425.text(Text10)}, {Text4, fresh_425.text(Text4)}}));

    // W/C typed: it is given itself, and C/W and the cement left from 0.52 are found.
    const document::DesignSnapshot wc_typed =
        UserSheet().Press().Set(Text8, "0.45").Press().Snapshot();
    EXPECT_EQ(AuditConsistency(wc_typed).findings,
              (Findings{{Text8, "0.52"}, {Text10, "2.22"}, {Text4, "400.00"}}));

    // The water changed: the cement is left.
    const document::DesignSnapshot water =
        UserSheet().Press().Set(Text26, "200").Press().Snapshot();
    const ReportPage page = BuildReport(water, ReportInfo{});
    EXPECT_EQ(AuditConsistency(water).findings, (Findings{{Text4, "384.62"}}));
    EXPECT_EQ(ValueOf(page, "计算结果", "水泥用量 mc0"),
              "346.15 kg/m³（给定值；按公式 mw0 / (W/C) 应为 384.62 kg/m³）");

    // The sand ratio changed without a press: the frame is left; compared at its precision.
    const ConsistencyAudit frame = AuditConsistency(With(PressedSnapshot(), {{Text15, "0.40"}}));
    ASSERT_EQ(frame.findings.size(), 4u); // sand, stone and their proportions
    EXPECT_EQ(frame.findings[0].field, Text12);
    EXPECT_EQ(
        AuditConsistency(With(PressedSnapshot(), {{Text12, "678.79"}, {Text31, "1.960"}})).findings,
        Findings{});
    const ReportPage stale_mix = BuildReport(With(PressedSnapshot(), {{Text15, "0.40"}}), {});
    const std::vector<Row> mix = RowsOf(stale_mix, "配合比（每立方米混凝土）", RowKind::TableRow);
    ASSERT_EQ(mix.size(), 2u);
    EXPECT_TRUE(mix[0].alert);
    EXPECT_EQ(mix[0].cells[2].rfind("678.7865（给定值；按体积法应为 ", 0), 0u);
}

TEST(ConsistencyAuditTest, TheMinimumCementIsNotedOnlyWhenTheFormulaGaveLess) {
    const ReportPage raised =
        BuildReport(UserSheet().Set(Text26, "120").Press().Snapshot(), ReportInfo{});
    ASSERT_EQ(RowsOf(raised, "计算结果", RowKind::Note).size(), 1u);
    EXPECT_NE(RowsOf(raised, "计算结果", RowKind::Note)[0].cells[0].find("260"), std::string::npos);

    const document::DesignSnapshot typed = With(PressedSnapshot(), {{Text4, "260"}});
    const ReportPage page = BuildReport(typed, ReportInfo{});
    EXPECT_TRUE(RowsOf(page, "计算结果", RowKind::Note).empty());
    EXPECT_EQ(AuditConsistency(typed).findings.at(0), (AuditFinding{Text4, "346.15"}));
}

TEST(ConsistencyAuditTest, TheReportUsesTheStandardsTermsAndListsWhatTheMethodReads) {
    const ReportPage page = BuildReport(PressedSnapshot(), ReportInfo{});
    const std::string text = AllText(page);
    for (const char* old : {"配置", "富裕", "塌落", "砼"})
        EXPECT_EQ(text.find(old), std::string::npos) << old;
    for (const char* term : {"配制强度", "富余系数", "水灰比", "C20"})
        EXPECT_NE(text.find(term), std::string::npos) << term;
    // Units with their quantities.
    EXPECT_NE(text.find("\r\n\"配制强度 fcu,0\",26.58,MPa"), std::string::npos);
    EXPECT_NE(text.find("\r\n用水量 mw0,180,kg/m³"), std::string::npos);
    EXPECT_NE(text.find("\r\n含气量 α,1,%"), std::string::npos);
    // The volume method reads no assumed concrete mass; the optional inputs share one row.
    EXPECT_EQ(ValueOf(page, "设计参数", "混凝土拌合物假定质量 mcp"), "<none>");
    EXPECT_EQ(ValueOf(page, "设计参数", "坍落度、维勃稠度、石子最大粒径、砂含水率、石子含水率"),
              "—");
    document::DesignSnapshot mass = With(PressedSnapshot(), {{Text28, "180"}, {Text20, "2400"}});
    mass.toggles = {false, true, true, false, true, false};
    const ReportPage by_mass = BuildReport(mass, ReportInfo{});
    EXPECT_EQ(ValueOf(by_mass, "设计参数", "混凝土拌合物假定质量 mcp"), "2400");
    EXPECT_EQ(ValueOf(by_mass, "设计参数", "水泥密度"), "<none>");
    EXPECT_EQ(ValueOf(by_mass, "设计参数", "坍落度"), "180");

    // The basis says the method and notes the older default coefficients.
    EXPECT_EQ(ValueOf(page, "设计依据", "设计方法"),
              "仅用水泥，不掺矿物掺合料和外加剂；回归系数 αa = 0.48、αb = 0.33，富余系数 γc = "
              "1.07，按输入取用");
    EXPECT_NE(ValueOf(page, "设计依据", "校核依据").find("GB 50010-2010"), std::string::npos);
    const auto notes = [](const ReportPage& p) { return RowsOf(p, "设计依据", RowKind::Note); };
    ASSERT_EQ(notes(page).size(), 1u);
    EXPECT_NE(notes(page)[0].cells[0].find("表 5.1.2：卵石 0.49、0.13，碎石 0.53、0.20"),
              std::string::npos);
    EXPECT_TRUE(notes(BuildReport(With(PressedSnapshot(), {{Text6, "0.49"}, {Text7, "0.13"}}), {}))
                    .empty());
}

TEST(ConsistencyAuditTest, TheClipboardNamesTheAdjustedAmounts) {
    const std::string text =
        ClipboardText(UserSheet().Set(Text21, "0.03").Set(Text24, "0.01").Press().Snapshot());
    EXPECT_NE(text.find("\r\n用水量\t180\tkg/m³\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n调整后用水量（配合比）\t"), std::string::npos);
    EXPECT_NE(text.find("\r\n调整后砂用量（配合比）\t"), std::string::npos);
    EXPECT_EQ(text.find("\r\n用水量（配合比）"), std::string::npos);
}

} // namespace
} // namespace mixora::cement_report
