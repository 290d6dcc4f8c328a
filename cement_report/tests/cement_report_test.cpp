#include "report_fixture.h"

#include "press.h"
#include "report_writers.h"
#include "least_batch.h"

#include <vector>

namespace mixora::cement_report {
namespace {

using enum calc::Field;
using Cells = std::vector<std::string>;

struct IgnoredNotices final : calc::Notices {
    void notify(std::string_view) override {}
};

TEST(ReportModelTest, TheKnownPressedSheetIsWhatOnePressGives) {
    calc::MemorySheet sheet;
    calc::qk(sheet);
    IgnoredNotices notices;
    ASSERT_EQ(calc::Press(sheet, notices, calc::NumberFormat{}), std::nullopt);
    EXPECT_EQ(document::TakeSnapshot(sheet), PressedSnapshot());
}

TEST(ReportModelTest, ResetSheetAfterOnePressShowsEveryNumberAsTheWindowDoes) {
    ReportInfo info;
    info.project = "示例工程";
    info.tested_by = "张三";
    const ReportPage page = BuildReport(PressedSnapshot(), info);

    EXPECT_EQ(page.title, "混凝土配合比设计报告");
    EXPECT_EQ(ValueOf(page, "工程信息", "工程名称"), "示例工程");
    EXPECT_EQ(ValueOf(page, "设计依据", "计算方法"), "体积法");
    EXPECT_EQ(ValueOf(page, "设计参数", "强度等级"), "C20");
    EXPECT_EQ(ValueOf(page, "设计参数", "砂率 βs"), "0.36");
    EXPECT_EQ(ValueOf(page, "设计参数", "石子种类"), "卵石");
    EXPECT_EQ(ValueOf(page, "计算结果", "配制强度 fcu,0"), "26.58");
    EXPECT_EQ(ValueOf(page, "计算结果", "水灰比 W/C"), "0.52");
    EXPECT_EQ(ValueOf(page, "计算结果", "灰水比 C/W"), "1.92");
    EXPECT_EQ(ValueOf(page, "计算结果", "水泥用量 mc0"), "346.15");

    const std::string mix = "配合比（每立方米混凝土）";
    EXPECT_EQ(RowsOf(page, mix, RowKind::TableRow),
              (std::vector<Row>{
                  {RowKind::TableRow, {"用量（kg/m³）", "346.15", "678.7865", "1206.731", "180"}},
                  {RowKind::TableRow, {"比例（水泥为 1）", "1.00", "1.96", "3.49", "0.52"}}}));
    EXPECT_EQ(ValueOf(page, mix, "质量比（水泥 : 砂 : 石子 : 水）"), "1.00 : 1.96 : 3.49 : 0.52");
    EXPECT_EQ(ValueOf(page, mix, "含水率调整"), "未调整（砂含水率、石子含水率未同时填写）");
    EXPECT_TRUE(RowsOf(page, "计算结果", RowKind::Note).empty()); // all computed, above 260

    EXPECT_EQ(RowsOf(page, "", RowKind::Signature).at(0).cells, (Cells{"试验", "张三"}));
}

Cells TrialMasses(const document::DesignSnapshot& snapshot, double litres) {
    ReportInfo info;
    info.trial_volume_litres = litres;
    Cells masses;
    for (const Row& row : RowsOf(BuildReport(snapshot, info), "试拌", RowKind::TableRow))
        masses.push_back(row.cells.at(2));
    return masses;
}

TEST(ReportModelTest, TrialBatchScalesTheShownAmountsToTheVolume) {
    EXPECT_EQ(TrialMasses(PressedSnapshot(), 20), (Cells{"6.92", "13.58", "24.13", "3.60"}));
    EXPECT_EQ(TrialMasses(PressedSnapshot(), 25), (Cells{"8.65", "16.97", "30.17", "4.50"}));
    EXPECT_EQ(TrialMasses(PressedSnapshot(), 22.5), (Cells{"7.79", "15.27", "27.15", "4.05"}));
}

TEST(ReportModelTest, TheLeastTrialVolumesAreStatedFromTheirTable) {
    EXPECT_EQ(report::TrialMinimumNote(),
              "JGJ 55-2011 表 6.1.2：每盘试拌量不少于 20 L（粗骨料最大公称粒径 ≤ "
              "31.5 mm），25 L（粗骨料最大公称粒径 40 mm）。");
    EXPECT_EQ(report::TrialMinimumHint(),
              "粗骨料最大粒径 ≤ 31.5 mm 时不少于 20 L，40 mm 时不少于 25 L。");
}

TEST(ReportModelTest, TrialVolumeBelowTheLeastForTheStoneSizeIsFlagged) {
    const auto warnings = [](const char* size, double litres) {
        ReportInfo info;
        info.trial_volume_litres = litres;
        std::vector<Row> alerts;
        for (const Row& row : RowsOf(BuildReport(With(PressedSnapshot(), {{Text29, size}}), info),
                                     "试拌", RowKind::Note))
            if (row.alert) alerts.push_back(row);
        return alerts.size();
    };
    EXPECT_EQ(warnings("31.5", 20), 0u);
    EXPECT_EQ(warnings("31.5", 19.9), 1u);
    EXPECT_EQ(warnings("40", 20), 1u);
    EXPECT_EQ(warnings("40", 25), 0u);
    EXPECT_EQ(warnings("5-31.5", 1), 0u); // not a number: nothing is claimed
}

TEST(ReportModelTest, CementRaisedToTheMinimumAndMoistureAdjustmentAreStated) {
    // A water content whose cement falls below the minimum, pressed with both moisture contents.
    calc::MemorySheet sheet;
    calc::qk(sheet);
    sheet.set_text(Text26, "120");
    sheet.set_text(Text21, "0.03");
    sheet.set_text(Text24, "0.01");
    IgnoredNotices notices;
    ASSERT_EQ(calc::Press(sheet, notices, calc::NumberFormat{}), std::nullopt);
    ASSERT_EQ(sheet.text(Text4), "260");
    const ReportPage page = BuildReport(document::TakeSnapshot(sheet), ReportInfo{});
    ASSERT_EQ(RowsOf(page, "计算结果", RowKind::Note).size(), 1u);
    EXPECT_NE(RowsOf(page, "计算结果", RowKind::Note)[0].cells[0].find("260"), std::string::npos);
    EXPECT_EQ(RowsOf(page, "计算结果", RowKind::Note)[0].cells[0],
              "水泥用量为 260：计算所得水泥用量小于最小值 260 kg/m³ 时取 260。");
    EXPECT_EQ(ValueOf(page, "配合比（每立方米混凝土）", "含水率调整"),
              "已调整（砂含水率 0.03，石子含水率 0.01）");
}

// The mix and trial sections of a sheet without a result: the reason, and no number.
void ExpectNoResult(const document::DesignSnapshot& snapshot, const std::string& reason) {
    const ReportPage page = BuildReport(snapshot, ReportInfo{});
    const std::string mix = "配合比（每立方米混凝土）";
    EXPECT_TRUE(RowsOf(page, mix, RowKind::TableRow).empty());
    EXPECT_EQ(ValueOf(page, mix, "质量比（水泥 : 砂 : 石子 : 水）"), "<none>");
    ASSERT_EQ(RowsOf(page, mix, RowKind::Note).size(), 1u);
    EXPECT_EQ(RowsOf(page, mix, RowKind::Note)[0].cells[0], reason);
    EXPECT_TRUE(RowsOf(page, "试拌", RowKind::TableRow).empty());
    // Every writer takes it.
    EXPECT_NE(ReportHtml(page).find(reason), std::string::npos);
    EXPECT_NE(ReportCsv(page).find(reason), std::string::npos);
}

TEST(ReportModelTest, ASheetWithoutAResultSaysSoAndInventsNoValue) {
    ExpectNoResult(ResetSnapshot(), "尚无计算结果");
    document::DesignSnapshot empty;
    ExpectNoResult(empty, "尚无计算结果");
    ExpectNoResult(With(PressedSnapshot(), {{Text12, "砂"}}),
                   "尚无计算结果（砂用量（配合比）「砂」不是数）");
    ExpectNoResult(With(PressedSnapshot(), {{Text33, ""}}), "尚无计算结果（水比例（配合比）为空）");
    ExpectNoResult(With(PressedSnapshot(), {{Text13, "1,20"}}),
                   "尚无计算结果（石子用量（配合比）「1,20」不是数）");

    const ReportPage page = BuildReport(ResetSnapshot(), ReportInfo{});
    EXPECT_EQ(ValueOf(page, "计算结果", "水泥用量 mc0"), "");
    EXPECT_EQ(RowsOf(page, "计算结果", RowKind::Note).at(0).cells[0], "空白项尚未计算。");
}

// A moisture typed in per cent gives a negative water amount: the page says the result is
// invalid before anything else, and shows neither a mix nor a trial batch.
TEST(ReportModelTest, AmountsThatMakeNoMixAreNeverShownAsAMix) {
    calc::MemorySheet sheet;
    calc::qk(sheet);
    sheet.set_text(Text21, "3");
    sheet.set_text(Text24, "0.01");
    IgnoredNotices notices;
    ASSERT_EQ(calc::Press(sheet, notices, calc::NumberFormat{}), std::nullopt);
    const ReportPage page = BuildReport(document::TakeSnapshot(sheet), ReportInfo{});

    ASSERT_FALSE(page.sections.empty());
    const Section& warning = page.sections.front();
    ASSERT_EQ(warning.rows.size(), 1u);
    EXPECT_EQ(warning.rows[0], (Row{RowKind::Note,
                                    {"计算结果无效：用水量为 -1867.443 kg/m³，用量应大于零。"
                                     "可能的原因：含水率以小数输入，3% 输入 0.03。"},
                                    true}));
    const std::string mix = "配合比（每立方米混凝土）";
    EXPECT_TRUE(RowsOf(page, mix, RowKind::TableRow).empty());
    EXPECT_TRUE(RowsOf(page, mix, RowKind::Note).at(0).alert);
    EXPECT_TRUE(RowsOf(page, "试拌", RowKind::TableRow).empty());
    EXPECT_NE(ReportCsv(page).find("计算结果无效"), std::string::npos);

    // A sound mix has no such section: the page starts with the header, as always.
    EXPECT_EQ(BuildReport(PressedSnapshot(), ReportInfo{}).sections.front().title, "工程信息");
    EXPECT_EQ(BuildReport(With(PressedSnapshot(), {{Text12, "0"}}), ReportInfo{})
                  .sections.front()
                  .rows.at(0)
                  .cells.at(0)
                  .rfind("计算结果无效：砂用量为 0 kg/m³", 0),
              0u);
}

TEST(ReportModelTest, AnyTextsBuildAReport) {
    document::DesignSnapshot snapshot;
    const std::string odd[] = {
        "abc",    " ",    "1e999",   "-",  "\xFF\xFE", "99999999999999999999999",
        "1E+400", "<b>&", "0.5\r\n", "\"", "NaN",      "."};
    for (const calc::Field field : calc::kAllFields)
        snapshot.text(field) = odd[calc::FieldIndex(field) % std::size(odd)];
    snapshot.toggles.fill(true);
    ReportInfo info;
    info.trial_volume_litres = -1;
    const ReportPage page = BuildReport(snapshot, info);
    EXPECT_FALSE(ReportHtml(page).empty());
    EXPECT_FALSE(ReportCsv(page).empty());
    EXPECT_EQ(ValueOf(page, "设计依据", "计算方法"), "体积法、质量法");
}

} // namespace
} // namespace mixora::cement_report
