#include "design_fixture.h"
#include "jgj55_clipboard.h"
#include "jgj55_report.h"
#include "report_sections.h"
#include "requirements_section.h"
#include "step_catalog.h"

#include <gtest/gtest.h>

namespace mixora::jgj55_report {
namespace {

using page::ReportPage;
using page::Row;
using page::RowKind;
using page::Section;
using report::kNoResult;

using jgj55::Contains;
using jgj55::WorkedExample;

const Section* Find(const ReportPage& page, std::string_view title) {
    for (const Section& section : page.sections)
        if (section.title == title) return &section;
    return nullptr;
}

// The first row of a section whose first cell starts with `start`.
const Row* RowStarting(const Section& section, std::string_view start) {
    for (const Row& row : section.rows)
        if (!row.cells.empty() && row.cells.front().starts_with(start)) return &row;
    return nullptr;
}

ReportPage Report(const jgj55::Inputs& inputs) {
    return BuildJgj55Report(inputs, jgj55::ComputeDesign(inputs), {}, report::ReportInfo{});
}

TEST(Jgj55Report, EveryStepListsItsValuesWithTheirSource) {
    jgj55::Inputs inputs = WorkedExample();
    inputs.fly_ash_factor = 0.8;
    const ReportPage page = Report(inputs);
    const Section* first = Find(page, "步骤 1　混凝土强度标准差");
    ASSERT_NE(first, nullptr);
    const Row* sigma = RowStarting(*first, "混凝土强度标准差");
    ASSERT_NE(sigma, nullptr);
    EXPECT_EQ(sigma->cells[1], "5.0");
    EXPECT_EQ(sigma->cells[3], "自动（表 4.0.2（≤ C45））");
    // A value the user gave says so, and the steps after it use it.
    bool given_found = false;
    for (const Section& section : page.sections)
        for (const Row& row : section.rows)
            if (row.kind == RowKind::TableRow && row.cells.size() == 4 &&
                Contains(row.cells[0], "γf")) {
                EXPECT_EQ(row.cells[1], "0.80");
                EXPECT_EQ(row.cells[3], "给定");
                given_found = true;
            }
    EXPECT_TRUE(given_found);
    // What governed a value follows its source.
    bool governed = false;
    for (const Section& section : page.sections)
        for (const Row& row : section.rows)
            governed = governed || (row.kind == RowKind::TableRow && row.cells.size() == 4 &&
                                    Contains(row.cells[3], "自动（式 5.1.1）；强度要求起控制作用"));
    EXPECT_TRUE(governed);
    std::size_t steps = 0;
    for (const Section& section : page.sections)
        steps += section.title.starts_with("步骤 ");
    EXPECT_EQ(steps, jgj55::DesignSteps().size());
    // Step 11 (sums and ratios) cites no clause and says none.
    const Section* ratios = Find(page, "步骤 11　配合比");
    ASSERT_NE(ratios, nullptr);
    EXPECT_EQ(RowStarting(*ratios, "依据"), nullptr);
    EXPECT_NE(RowStarting(*first, "依据：式 4.0.2"), nullptr);
}

TEST(Jgj55Report, MixAndTrialBatchOfTheWorkedExample) {
    const ReportPage page = Report(WorkedExample());
    const Section* mix = Find(page, "配合比（每立方米混凝土）");
    ASSERT_NE(mix, nullptr);
    const Row* amounts = RowStarting(*mix, "用量");
    ASSERT_NE(amounts, nullptr);
    EXPECT_EQ(amounts->cells, (std::vector<std::string>{"用量（kg/m³）", "296", "74", "0", "174",
                                                        "718", "1123", "4.44"}));
    EXPECT_EQ(RowStarting(*mix, "质量比")->cells[1], "1 : 1.94 : 3.04 : 0.47");

    const Section* trial = Find(page, "试拌");
    ASSERT_NE(trial, nullptr);
    EXPECT_EQ(trial->rows[0].cells[1], "20");
    // As the trial computes its batch: 296 × 20 / 1000; the admixture 4.44 × 0.02 = 0.0888.
    EXPECT_EQ(RowStarting(*trial, "试拌用量")->cells,
              (std::vector<std::string>{"试拌用量（kg）", "5.92", "1.48", "0.00", "3.48", "14.36",
                                        "22.46", "0.089"}));

    // Step 12 is the checks.
    const Section* checks = Find(page, "步骤 12　校核");
    ASSERT_NE(checks, nullptr);
    const Row* ratio = RowStarting(*checks, "最大水胶比");
    ASSERT_NE(ratio, nullptr);
    EXPECT_EQ(ratio->cells[4], "符合");
}

TEST(Jgj55Report, TrialVolumeFollowsTheLargestSize) {
    EXPECT_EQ(Jgj55TrialLitres(jgj55::MaxSize::Mm10), "20");
    EXPECT_EQ(Jgj55TrialLitres(jgj55::MaxSize::Mm31_5), "20");
    EXPECT_EQ(Jgj55TrialLitres(jgj55::MaxSize::Mm40), "25");
}

TEST(Jgj55Report, AMixThatCannotBeComputedSaysWhyAndHasNoTrialMasses) {
    jgj55::Inputs inputs = WorkedExample();
    inputs.grade = 33; // not a grade of the standard: no fcu,0, no mix
    const ReportPage page = Report(inputs);
    const Section* mix = Find(page, "配合比（每立方米混凝土）");
    ASSERT_NE(mix, nullptr);
    ASSERT_EQ(mix->rows.size(), 1u);
    EXPECT_TRUE(mix->rows[0].alert);
    EXPECT_TRUE(Contains(mix->rows[0].cells[0], std::string(kNoResult)));
    EXPECT_EQ(RowStarting(*Find(page, "试拌"), "试拌用量"), nullptr);
}

TEST(Jgj55Report, TheRequirementsHaveASectionOfTheirOwnWithWhatTheTrialMustDo) {
    EXPECT_EQ(Find(Report(WorkedExample()), "特殊要求"), nullptr);
    jgj55::Inputs inputs = WorkedExample();
    inputs.requirements.pumped = true;
    inputs.requirements.impermeability = jgj55::ImpermeabilityGrade::P8;
    const ReportPage page = Report(inputs);
    const Section* section = Find(page, "特殊要求");
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->rows[0].cells, (std::vector<std::string>{"要求", "泵送、抗渗 P8", ""}));
    // Pt ≥ 8 / 10 + 0.2 = 1.0 MPa; the section follows the inputs, before the design's steps.
    EXPECT_NE(
        RowStarting(*section, "试配：第 7.1.3 条：抗渗试验压力 Pt ≥ P/10 + 0.2 MPa = 1.0 MPa"),
        nullptr);
    EXPECT_EQ((section - 1)->title, "设计参数");
    EXPECT_EQ(RequirementsLine(inputs), "泵送、抗渗 P8");
}

// 硅灰 is a material of the mix, the steps, the materials, 复制结果 and the trial batch once
// the design has it.
TEST(Jgj55Report, SilicaFumeIsShownWhereTheOtherMineralsAre) {
    jgj55::Inputs inputs = WorkedExample();
    inputs.grade = 60;
    inputs.silica_fume_share = 8;
    inputs.binder_strength = 52;
    inputs.volume.silica_fume_density = 2200;
    report::ReportInfo info;
    info.materials[static_cast<std::size_t>(report::MaterialSlot::SilicaFume)] = {"某铁合金厂",
                                                                                  "SF-12"};
    const ReportPage page = BuildJgj55Report(inputs, jgj55::ComputeDesign(inputs), {}, info);
    const Section* mix = Find(page, "配合比（每立方米混凝土）");
    ASSERT_NE(mix, nullptr);
    EXPECT_EQ(mix->rows[0].cells[4], "硅灰");
    EXPECT_EQ(RowStarting(*mix, "用量")->cells[4], "42");
    const Row* material = RowStarting(*Find(page, "原材料"), "硅灰");
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->cells[2], "掺量 8 %");
    EXPECT_EQ(material->cells[3], "某铁合金厂");
    EXPECT_EQ(material->cells[4], "SF-12");
    EXPECT_EQ(material->cells.back(), "密度 2200 kg/m³");
    EXPECT_NE(
        RowStarting(*Find(page, "步骤 8　胶凝材料、矿物掺合料、水泥和外加剂用量"), "硅灰用量"),
        nullptr);
    const Section* batch = Find(page, "试拌");
    EXPECT_EQ(batch->rows[1].cells[4], "硅灰");
    EXPECT_EQ(RowStarting(*batch, "试拌用量")->cells[4], "0.84"); // 42 × 20 ÷ 1000
    EXPECT_TRUE(Contains(Jgj55ClipboardText(jgj55::ComputeDesign(inputs)), "硅灰用量 msf0\t42"));
    EXPECT_FALSE(Contains(Jgj55ClipboardText(jgj55::ComputeDesign(WorkedExample())), "硅灰"));
}

TEST(Jgj55Report, ClipboardRowsAreTabSeparatedTextAndAnHtmlTable) {
    const jgj55::Result result = jgj55::ComputeDesign(WorkedExample());
    const std::string text = Jgj55ClipboardText(result);
    EXPECT_TRUE(text.starts_with("名称\t数值\t单位\t来源\r\n"));
    EXPECT_TRUE(Contains(text, "\t1123\tkg/m³\t自动"));
    EXPECT_TRUE(Contains(text, "1 : 1.94 : 3.04 : 0.47"));
    const std::string html = Jgj55ClipboardHtml(result);
    EXPECT_TRUE(html.starts_with("Version:0.9"));
    const jgj55::QuantityInfo& cement = jgj55::InfoOf(jgj55::Quantity::Cement);
    EXPECT_TRUE(Contains(html, "<tr><td>" + std::string(cement.name) + " " +
                                   std::string(cement.symbol) + "</td><td>296</td>"));
    EXPECT_TRUE(Contains(html, "自动（表 4.0.2（≤ C45））"));
}

} // namespace
} // namespace mixora::jgj55_report
