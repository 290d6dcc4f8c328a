// The trial's report sections from a JGJ 55-2011 C30 design: every stage with the values its
// stage computed, the user's entries marked 给定; a stage not filled says what it lacks and a
// later stage never shows values built on it; the design report stays as it was until the trial
// starts, and closes with its remarks and signatures.
#include "jgj55_report.h"
#include "trial_report_fixture.h"
#include "trial_sections.h"

namespace mixora::trial {
namespace {

using page::ReportPage;
using page::RowKind;
using page::Section;

const std::array<std::string, 7> kStageTitles = {
    "试配 1　试拌",       "试配 2　试拌配合比",   "试配 3　强度试验配合比", "试配 4　强度试验结果",
    "试配 5　设计配合比", "试配 6　表观密度校正", "试配 7　施工配合比"};

ReportPage WithTrial(const jgj55::Inputs& inputs, const TrialEntries& entries) {
    return jgj55_report::BuildJgj55Report(inputs, jgj55::ComputeDesign(inputs), entries, {});
}

const Section& Stage(const ReportPage& page, std::size_t index) {
    const Section* section = SectionTitled(page, kStageTitles[index]);
    if (!section) throw std::runtime_error("no section " + kStageTitles[index]);
    return *section;
}

TEST(TrialReportTest, AWholeC30TrialShowsEachStageWithTheValuesItsStageComputed) {
    const jgj55::Inputs inputs = C30Inputs();
    const jgj55::Result result = jgj55::ComputeDesign(inputs);
    const ReportPage plain = jgj55_report::BuildJgj55Report(inputs, result, TrialEntries{}, {});
    const ReportPage page = WithTrial(inputs, WholeTrial());

    // The design's sections come first as they were; the trial's stages and 特殊要求试验 (the
    // chloride every design measures) take the place of the design's own trial batch; the
    // conclusion, remarks and signatures still close it.
    ASSERT_EQ(page.sections.size(), plain.sections.size() + 8);
    std::size_t batch = 0;
    while (batch < plain.sections.size() && plain.sections[batch].title != "试拌")
        ++batch;
    ASSERT_EQ(plain.sections.size() - batch, 4u); // 试拌, 结论, 备注, the signatures
    for (std::size_t i = 0; i < batch; ++i)
        EXPECT_EQ(page.sections[i], plain.sections[i]) << plain.sections[i].title;
    EXPECT_EQ(page.sections.end()[-3].title, "结论：推荐配合比");
    EXPECT_EQ(page.sections.end()[-2].title, "备注");
    EXPECT_EQ(page.sections.back(), plain.sections.back());

    const Section* overview = SectionTitled(page, "试配、调整与确定（JGJ 55-2011 第 6 章）");
    ASSERT_TRUE(overview);
    EXPECT_EQ(CellOf(*overview, "配制强度 fcu,0"), "38.2");
    for (std::size_t i = 0; i < kStageTitles.size(); ++i) {
        SCOPED_TRACE(kStageTitles[i]);
        const Section& stage = Stage(page, i);
        EXPECT_EQ(CellOf(*overview, kStageTitles[i]), "已完成");
        EXPECT_EQ(CellOf(stage, "状态"), "已完成");
        EXPECT_TRUE(Has(TextOf(stage), "|方法："));
        EXPECT_EQ(Has(TextOf(stage), "|依据："), i < 6);
        EXPECT_EQ(stage.chart.has_value(), i == 4);
        // The renderers join adjacent table rows into one table: another table needs a heading.
        for (std::size_t r = 1; r < stage.rows.size(); ++r)
            EXPECT_FALSE(stage.rows[r - 1].kind == RowKind::TableRow &&
                         stage.rows[r].kind == RowKind::TableHeader)
                << "row " << r;
    }

    // 20 L of the design mix; the slump as measured.
    EXPECT_EQ(RowOf(Stage(page, 0), "试拌体积"),
              (std::vector<std::string>{"试拌体积", "20", "L", "给定"}));
    EXPECT_EQ(RowOf(Stage(page, 0), "试拌用量（kg）"),
              (std::vector<std::string>{"试拌用量（kg）", "5.60", "1.60", "0.80", "3.60", "12.74",
                                        "23.66", "0.120"}));
    EXPECT_EQ(RowOf(Stage(page, 1), "实测坍落度"),
              (std::vector<std::string>{"实测坍落度", "180", "mm", "给定"}));
    EXPECT_EQ(
        RowOf(Stage(page, 2), "0.40"),
        (std::vector<std::string>{"0.40", "34", "315", "90", "45", "180", "602", "1168", "6.75"}));

    // The cubes as typed, the group's rule and its values to 0.1 MPa.
    EXPECT_EQ(RowOf(Stage(page, 3), "1"),
              (std::vector<std::string>{"1", "0.40", "2.500", "48.0 / 47.0 / 49.0", "平均值",
                                        "48.0", "48.0", "2410"}));

    // The line of the hand computation in ratio_choice_test, the chosen ratio and its mix.
    const Section& choice = Stage(page, 4);
    EXPECT_EQ(CellOf(choice, "回归方程"), "f = 25.51·(B/W) − 15.59");
    EXPECT_EQ(CellOf(choice, "相关系数平方 R²"), "0.9969");
    EXPECT_EQ(CellOf(choice, "选定胶水比 B/W"), "2.11");
    EXPECT_TRUE(Has(CellOf(choice, "选定胶水比 B/W", 3), "自动"));
    EXPECT_EQ(CellOf(choice, "水胶比 W/B"), "0.47");
    EXPECT_EQ(RowOf(choice, "设计配合比（kg/m³）"),
              (std::vector<std::string>{"设计配合比（kg/m³）", "266", "76", "38", "180", "644",
                                        "1196", "5.70"}));
    EXPECT_EQ(choice.chart->chosen_label, "B/W = 2.11");
    EXPECT_EQ(choice.chart->points.size(), 3u);

    // 2430 against 2400: 1.3 %, δ 1.01, the mix stands.
    const Section& density = Stage(page, 5);
    EXPECT_EQ(CellOf(density, "相差"), "1.3");
    EXPECT_EQ(CellOf(density, "校正系数 δ"), "1.01");
    EXPECT_TRUE(Has(TextOf(density), "配合比维持不变"));

    // Sand 644 × 1.035 → 667, stone 1196 × 1.008 → 1206, water 180 − 22.54 − 9.568 → 148; the
    // batch of 0.75 m³ as in trial_procedure_test.
    const Section& production = Stage(page, 6);
    EXPECT_EQ(CellOf(production, "含水率测定时间"), "2026-12-07 08:30");
    EXPECT_EQ(RowOf(production, "施工配合比（kg/m³）"),
              (std::vector<std::string>{"施工配合比（kg/m³）", "266", "76", "38", "148", "667",
                                        "1206", "5.70"}));
    EXPECT_EQ(RowOf(production, "每盘用量（kg）"),
              (std::vector<std::string>{"每盘用量（kg）", "200", "57", "29", "111", "500", "905",
                                        "4.28"}));
}

TEST(TrialReportTest, AStageNotFilledSaysWhatItLacksAndNoLaterStageShowsValues) {
    const jgj55::Inputs inputs = C30Inputs();
    TrialEntries e = WholeTrial();
    e.strength.groups[0].strengths = {"", "", ""};
    e.strength.groups[1].strengths = {"48.0", "", "49.0"};
    const ReportPage page = WithTrial(inputs, e);

    const Section* overview = SectionTitled(page, "试配、调整与确定（JGJ 55-2011 第 6 章）");
    ASSERT_TRUE(overview);
    EXPECT_EQ(CellOf(*overview, kStageTitles[2]), "已完成");
    for (std::size_t i = 3; i < kStageTitles.size(); ++i) {
        SCOPED_TRACE(kStageTitles[i]);
        const Section& stage = Stage(page, i);
        EXPECT_EQ(CellOf(*overview, kStageTitles[i]), "未完成");
        EXPECT_EQ(CellOf(stage, "状态"), "未完成");
        EXPECT_FALSE(HasTable(stage)); // no values, however much was typed further on
        EXPECT_FALSE(stage.chart);
    }
    const std::string strengths = TextOf(Stage(page, 3));
    EXPECT_TRUE(Has(strengths, "|尚缺：第 1 组（水胶比 0.40）试件 1 抗压强度未填写"));
    EXPECT_TRUE(Has(strengths, "|尚缺：第 2 组（水胶比 0.45）试件 2 抗压强度未填写"));
    EXPECT_TRUE(Has(TextOf(Stage(page, 4)), "|尚缺：第 1 组"));
    EXPECT_FALSE(Has(TextOf(Stage(page, 4)), "设计配合比（kg/m³）"));
    EXPECT_TRUE(Has(TextOf(Stage(page, 6)), "|尚缺：需先完成表观密度校正"));

    // Two groups suffice; the one missing is named under the table.
    e.strength.groups[1].strengths = {"41.5", "41.0", "42.0"};
    const ReportPage two_groups = WithTrial(inputs, e);
    const Section& results = Stage(two_groups, 3);
    EXPECT_EQ(CellOf(results, "1", 4), "—");
    EXPECT_TRUE(Has(TextOf(results), "|第 1 组（水胶比 0.40）试件 1 抗压强度未填写"));
}

TEST(TrialReportTest, TheDesignReportIsUnchangedUntilTheTrialStartsAndSaysWhenThereIsNoDesign) {
    jgj55::Inputs inputs = C30Inputs();
    const jgj55::Result result = jgj55::ComputeDesign(inputs);
    // Without entries no section of the trial; remarks and signatures close the design's own.
    const ReportPage untouched = jgj55_report::BuildJgj55Report(inputs, result, TrialEntries{}, {});
    EXPECT_FALSE(SectionTitled(untouched, "试配、调整与确定（JGJ 55-2011 第 6 章）"));
    EXPECT_FALSE(SectionTitled(untouched, kStageTitles[0]));
    EXPECT_EQ(untouched.sections.end()[-2].title, "备注");

    inputs.water_binder.reset();
    // F150 without an air-entraining agent: 表 7.2.2-1 gives no maximum W/B
    inputs.requirements.frost = jgj55::FrostGrade::F150Up;
    const ReportPage page = WithTrial(inputs, WholeTrial());
    const Section* trial = SectionTitled(page, "试配、调整与确定（JGJ 55-2011 第 6 章）");
    ASSERT_TRUE(trial);
    ASSERT_EQ(trial->rows.size(), 1u);
    EXPECT_TRUE(trial->rows[0].alert);
    EXPECT_TRUE(Has(trial->rows[0].cells[0], "无法试配：设计的水胶比"));
    EXPECT_FALSE(SectionTitled(page, kStageTitles[0]));
}

// The report recommends a mix only once the trial has given it, and shows the trial batch once:
// the trial's own when it has started.
TEST(TrialReportTest, TheConclusionIsTheTrialsMixAndTheBatchIsShownOnce) {
    const jgj55::Inputs inputs = C30Inputs();
    const jgj55::Result result = jgj55::ComputeDesign(inputs);
    const ReportPage before = jgj55_report::BuildJgj55Report(inputs, result, TrialEntries{}, {});
    const Section* none = SectionTitled(before, "结论：推荐配合比");
    ASSERT_TRUE(none);
    ASSERT_EQ(none->rows.size(), 1u);
    EXPECT_TRUE(none->rows[0].alert);
    EXPECT_TRUE(Has(none->rows[0].cells[0], "尚无推荐配合比：试配尚未完成"));
    EXPECT_TRUE(SectionTitled(before, "试拌"));

    const ReportPage page = WithTrial(inputs, WholeTrial());
    EXPECT_FALSE(SectionTitled(page, "试拌"));
    EXPECT_TRUE(SectionTitled(page, kStageTitles[0]));
    const Section* conclusion = SectionTitled(page, "结论：推荐配合比");
    ASSERT_TRUE(conclusion);
    EXPECT_EQ(RowOf(*conclusion, "每立方米用量（kg/m³）"),
              (std::vector<std::string>{"每立方米用量（kg/m³）", "266", "76", "38", "180", "644",
                                        "1196", "5.70"}));
    EXPECT_EQ(CellOf(*conclusion, "水胶比 W/B"), "0.47");
    // 644 / 380, 1196 / 380, 180 / 380.
    EXPECT_EQ(CellOf(*conclusion, "质量比（胶凝材料 : 砂 : 石 : 水）"), "1 : 1.69 : 3.15 : 0.47");
    EXPECT_TRUE(Has(TextOf(*conclusion), "适用条件：强度等级 C30，坍落度 180 ± 30 mm"));
}

} // namespace
} // namespace mixora::trial

namespace mixora::trial {
namespace {

TEST(TrialReportTest, AHighStrengthTrialCitesItsStepAndChecksWhatItsRequirementsAsk) {
    DesignBasis basis = C30();
    basis.grade = 60;
    basis.demands.high_strength = true;
    basis.demands.impermeable = true;
    basis.demands.impermeability_grade = "P8";
    basis.demands.impermeability_value = 8;
    TrialEntries e = WholeTrial();
    e.special.seepage_pressure_mpa = "0.9";
    e.special.seepage = SeepageResult::Held;
    const Jgj55Trial trial{Computed<DesignBasis>::Of(basis), RunTrial(basis, MassMethod2400(), e)};
    const std::vector<page::Section> sections = jgj55_report::TrialSections(trial, e);
    page::ReportPage page{"", sections};

    const std::string mixes = TextOf(*SectionTitled(page, "试配 3　强度试验配合比"));
    EXPECT_TRUE(Has(mixes, "水胶比分别减少和增加 0.02（JGJ 55-2011 第 7.3.3 条），砂率相应减少和"
                           "增加 1%（JGJ 55-2011 第 6.1 节）"))
        << mixes;
    EXPECT_TRUE(Has(mixes, "|依据：JGJ 55-2011 第 7.3.3 条")) << mixes;

    const page::Section* special = SectionTitled(page, "特殊要求试验（JGJ 55-2011 第 7 章）");
    ASSERT_TRUE(special);
    EXPECT_EQ(CellOf(*special, "抗渗试验", 1), "0.9 MPa，未透水");
    EXPECT_EQ(CellOf(*special, "抗渗试验", 4), "不符合（试验压力未达到 Pt）");
    EXPECT_EQ(CellOf(*special, "高强 重复试验", 4), "未完成（须不少于 3 盘，已有 0 盘有效）");
}

} // namespace
} // namespace mixora::trial
