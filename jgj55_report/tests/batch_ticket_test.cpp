// The batch ticket of a whole C30 trial on one A4 sheet within the margins, and what it says
// instead of numbers while the moisture, the mixer or the design mix is not known.
#include "batch_ticket.h"
#include "jgj55_basis.h"
#include "jgj55_report.h"
#include "trial_procedure.h"
#include "fixed_width_measurer.h"
#include "report_layout.h"
#include "trial_report_fixture.h"

#include <algorithm>

namespace mixora::trial {
namespace {

using page::ReportPage;
using page::RowKind;
using page::Section;

report::ReportInfo Info() {
    report::ReportInfo info;
    info.project = "滨江花园三期住宅楼及地下车库工程（二标段）";
    info.location = "地下室底板、外墙及顶板";
    info.report_number = "PB-2026-0412";
    info.date = "2026-12-07";
    info.tested_by = "张工";
    info.reviewed_by = "李工";
    info.approved_by = "王工";
    return info;
}

ReportPage Ticket(const TrialEntries& entries) {
    const jgj55::Inputs inputs = C30Inputs();
    return jgj55_report::BuildBatchTicket(inputs, jgj55::ComputeDesign(inputs), entries, Info());
}

bool Inside(const page::Rect& inner, const page::Rect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

TEST(BatchTicketTest, AWholeTrialGivesOneSignedSheetWithinTheMargins) {
    const ReportPage ticket = Ticket(WholeTrial());
    EXPECT_EQ(ticket.title, "混凝土配合比通知单");
    const Section& header = ticket.sections.front();
    EXPECT_EQ(CellOf(header, "工程名称"), Info().project);
    EXPECT_EQ(CellOf(header, "使用部位"), Info().location);
    EXPECT_EQ(CellOf(header, "强度等级"), "C30");
    EXPECT_EQ(CellOf(header, "坍落度"), "180 ± 30 mm");

    const Section* design = SectionTitled(ticket, "设计配合比（每立方米混凝土）");
    ASSERT_TRUE(design);
    EXPECT_EQ(RowOf(*design, "用量（kg/m³）"),
              (std::vector<std::string>{"用量（kg/m³）", "266", "76", "38", "180", "644", "1196",
                                        "5.70"}));
    EXPECT_EQ(CellOf(*design, "水胶比"), "0.47");
    const Section* moisture = SectionTitled(ticket, "砂石含水率");
    ASSERT_TRUE(moisture);
    EXPECT_EQ(CellOf(*moisture, "砂含水率"), "3.5");
    EXPECT_EQ(CellOf(*moisture, "测定时间"), "2026-12-07 08:30");
    const Section* production = SectionTitled(ticket, "施工配合比");
    ASSERT_TRUE(production);
    EXPECT_EQ(RowOf(*production, "每盘 0.75 m³（kg）"),
              (std::vector<std::string>{"每盘 0.75 m³（kg）", "200", "57", "29", "111", "500",
                                        "905", "4.28"}));
    const Section& signatures = ticket.sections.back();
    ASSERT_EQ(signatures.rows.size(), 4u);
    EXPECT_EQ(signatures.rows[2], (page::Row{RowKind::Signature, {"签发", "王工"}}));
    EXPECT_EQ(signatures.rows[3], (page::Row{RowKind::Signature, {"接收", ""}}));

    // A measured density 2.5 % above: the ticket carries the corrected mix (× 1.03).
    TrialEntries corrected = WholeTrial();
    corrected.density.measured = "2460";
    EXPECT_EQ(
        CellOf(*SectionTitled(Ticket(corrected), "设计配合比（每立方米混凝土）"), "用量（kg/m³）"),
        "274");

    const page::PaperSetup a4;
    const std::vector<page::LaidOutPage> pages =
        page::LayOutReport(ticket, a4, page::FixedWidthMeasurer());
    ASSERT_EQ(pages.size(), 1u);
    for (const page::PageText& text : pages[0].texts)
        EXPECT_TRUE(Inside(text.box, a4.content))
            << std::string(text.text.begin(), text.text.end());
    for (const page::PageBox& box : pages[0].boxes)
        EXPECT_TRUE(Inside(box.box, a4.content));
    for (const page::Rect& rule : pages[0].rules)
        EXPECT_TRUE(Inside(rule, a4.content));
}

// A pumped impermeable concrete: the plant reads the pumping height and bore and what the
// trial's records showed, before the mixes, and the ticket stays one sheet.
TEST(BatchTicketTest, TheRequirementsAndTheirRecordsStandOnTheOneSheet) {
    jgj55::Inputs inputs = C30Inputs();
    inputs.requirements.pumped = true;
    inputs.requirements.pump_height = 60;
    inputs.requirements.pipe_bore = 125;
    inputs.requirements.impermeability = jgj55::ImpermeabilityGrade::P8;
    inputs.requirements.chloride = jgj55::ChlorideEnvironment::Moist;
    TrialEntries e = WholeTrial();
    e.special.wait_minutes = "90";
    e.special.slump_after_wait_mm = "165";
    e.special.seepage_pressure_mpa = "1.0";
    e.special.seepage = SeepageResult::Held;
    e.special.chloride_percent = "0.25";
    const ReportPage ticket =
        jgj55_report::BuildBatchTicket(inputs, jgj55::ComputeDesign(inputs), e, Info());
    const Section* required = SectionTitled(ticket, "特殊要求");
    ASSERT_TRUE(required);
    EXPECT_EQ(CellOf(*required, "泵送"), "泵送高度 60 m，输送管径 125 mm");
    EXPECT_EQ(CellOf(*required, "抗渗试验", 4), "符合");
    // 0.25 % of the cement against 0.20 % in a moist environment: the plant sees it fail.
    EXPECT_TRUE(CellOf(*required, "水溶性氯离子含量", 4).starts_with("不符合"));
    EXPECT_TRUE(required->rows.back().alert);
    EXPECT_EQ((required + 1)->title, "设计配合比（每立方米混凝土）");
    EXPECT_EQ(page::LayOutReport(ticket, page::PaperSetup{}, page::FixedWidthMeasurer()).size(),
              1u);
}

// Everything the plant reads on the ticket, on one sheet: the mix number on top of it, the
// materials by kind, grade, size, dosage, maker and batch, the slump with its tolerance, and the
// water less what a liquid admixture brings.
TEST(BatchTicketTest, TheTicketNamesTheMixItsMaterialsAndItsReceiver) {
    report::ReportInfo info = Info();
    info.mix_number = "PB-2026-0001";
    info.placing_method = "泵送";
    info.issued_at = "2026-12-07 09:00";
    info.received_by = "赵站长";
    info.admixture_type = "聚羧酸高性能减水剂";
    info.admixture_solid_percent = "20";
    info.materials[static_cast<std::size_t>(report::MaterialSlot::Cement)] = {"海螺水泥",
                                                                              "C2612-07"};
    info.materials[static_cast<std::size_t>(report::MaterialSlot::Stone)] = {"东山石场", "G-118"};
    const jgj55::Inputs inputs = C30Inputs();
    const ReportPage ticket =
        jgj55_report::BuildBatchTicket(inputs, jgj55::ComputeDesign(inputs), WholeTrial(), info);
    EXPECT_EQ(ticket.running_head, "配合比编号：PB-2026-0001　报告编号：PB-2026-0412");
    const Section& header = ticket.sections.front();
    EXPECT_EQ(CellOf(header, "配合比编号"), "PB-2026-0001");
    EXPECT_EQ(CellOf(header, "浇筑方式"), "泵送");
    EXPECT_EQ(CellOf(header, "签发时间"), "2026-12-07 09:00");

    const Section* materials = SectionTitled(ticket, "原材料");
    ASSERT_TRUE(materials);
    EXPECT_EQ(
        RowOf(*materials, "水泥"),
        (std::vector<std::string>{"水泥", "普通硅酸盐水泥 P·O 42.5", "—", "海螺水泥", "C2612-07"}));
    EXPECT_EQ(RowOf(*materials, "粉煤灰"),
              (std::vector<std::string>{"粉煤灰", "Ⅱ级", "掺量 20 %", "—", "—"}));
    EXPECT_EQ(CellOf(*materials, "粒化高炉矿渣粉（矿粉）", 2), "掺量 10 %");
    EXPECT_EQ(RowOf(*materials, "石"),
              (std::vector<std::string>{"石", "碎石", "最大粒径 31.5 mm", "东山石场", "G-118"}));
    EXPECT_EQ(RowOf(*materials, "外加剂"),
              (std::vector<std::string>{"外加剂", "聚羧酸高性能减水剂", "掺量 1.5 %，固含量 20 %",
                                        "—", "—"}));

    // 148 − 5.70 × 0.8 = 143.44 per m³; 111 − 4.28 × 0.8 = 107.576 per batch.
    const Section& production = *SectionTitled(ticket, "施工配合比");
    EXPECT_EQ(CellOf(production, "每立方米（kg/m³）", 4), "143");
    EXPECT_EQ(CellOf(production, "每盘 0.75 m³（kg）", 4), "108");
    EXPECT_TRUE(Has(TextOf(production), "外加剂所含的水（固含量 20 %）"));
    // The report's production mix gives the same water the ticket prints, and says why.
    const ReportPage report =
        jgj55_report::BuildJgj55Report(inputs, jgj55::ComputeDesign(inputs), WholeTrial(), info);
    const auto stage = std::find_if(report.sections.begin(), report.sections.end(),
                                    [](const Section& section) {
                                        return !RowOf(section, "通知单每立方米（kg/m³）").empty();
                                    });
    ASSERT_NE(stage, report.sections.end());
    EXPECT_EQ(CellOf(*stage, "施工配合比（kg/m³）", 4), "148");
    EXPECT_EQ(CellOf(*stage, "通知单每立方米（kg/m³）", 4), "143");
    EXPECT_EQ(CellOf(*stage, "通知单每盘（kg）", 4), "108");
    EXPECT_EQ(ticket.sections.back().rows[3], (page::Row{RowKind::Signature, {"接收", "赵站长"}}));
    EXPECT_EQ(page::LayOutReport(ticket, page::PaperSetup{}, page::FixedWidthMeasurer()).size(),
              1u);

    // A solid content that does not read leaves the water as it is and says why.
    info.admixture_solid_percent = "20%";
    const ReportPage unread =
        jgj55_report::BuildBatchTicket(inputs, jgj55::ComputeDesign(inputs), WholeTrial(), info);
    const Section& kept = *SectionTitled(unread, "施工配合比");
    EXPECT_EQ(CellOf(kept, "每立方米（kg/m³）", 4), "148");
    EXPECT_TRUE(Has(TextOf(kept), "外加剂固含量“20%”不是数字：用水量未扣除外加剂所含的水"));
}

// Two cited records: what they give is printed in place of what the header typed (said where
// the two differ), each row names its record, the records are listed with their test data and
// the cost, the admixture's solid content is the record's, and the ticket is still one sheet.
TEST(BatchTicketTest, CitedRecordsArePrintedWithTheirTestsAndCostOnBothDocuments) {
    jgj55_report::CitedMaterials cited;
    cited.records.push_back({report::MaterialSlot::Cement,
                             "水泥",
                             "C-0001",
                             2,
                             "海螺水泥",
                             "P·O 42.5",
                             "C2612-07",
                             "JC-2026-031",
                             "2026-03-01",
                             {"28 d 抗压强度 fce 48.6 MPa", "密度 3100 kg/m³"},
                             "",
                             ""});
    cited.records.push_back({report::MaterialSlot::Admixture,
                             "外加剂",
                             "A-0003",
                             1,
                             "科之杰",
                             "Point-400S",
                             "",
                             "",
                             "",
                             {"固含量 20 %"},
                             "聚羧酸高性能减水剂",
                             "20"});
    cited.cost = jgj55_report::MaterialCost{312.456, "2026-03-01 … 2026-03-05", {"砂"}};
    report::ReportInfo info = Info();
    info.materials[static_cast<std::size_t>(report::MaterialSlot::Cement)] = {"华新水泥", ""};
    info.materials[static_cast<std::size_t>(report::MaterialSlot::Stone)] = {"东山石场", "G-118"};
    info.admixture_solid_percent = "25";
    const jgj55::Inputs inputs = C30Inputs();
    const jgj55::Result result = jgj55::ComputeDesign(inputs);

    const ReportPage ticket =
        jgj55_report::BuildBatchTicket(inputs, result, WholeTrial(), info, cited);
    const Section& materials = *SectionTitled(ticket, "原材料");
    EXPECT_EQ(RowOf(materials, "水泥"),
              (std::vector<std::string>{"水泥", "普通硅酸盐水泥 P·O 42.5", "—", "海螺水泥",
                                        "C2612-07", "C-0001 第 2 版"}));
    EXPECT_EQ(RowOf(materials, "石"), (std::vector<std::string>{"石", "碎石", "最大粒径 31.5 mm",
                                                                "东山石场", "G-118", "—"}));
    EXPECT_EQ(RowOf(materials, "外加剂"),
              (std::vector<std::string>{"外加剂", "聚羧酸高性能减水剂", "掺量 1.5 %，固含量 20 %",
                                        "科之杰", "—", "A-0003 第 1 版"}));
    const std::string said = TextOf(materials);
    EXPECT_TRUE(Has(said, "报告信息中水泥的生产厂家“华新水泥”与原材料 C-0001 第 2 版的“海螺水泥”"
                          "不同，列出的是原材料记录的"));
    EXPECT_TRUE(Has(said, "外加剂的固含量“25”"));
    EXPECT_FALSE(Has(said, "批号“")); // nothing typed there
    const Section* records = SectionTitled(ticket, "原材料检测记录");
    ASSERT_TRUE(records);
    EXPECT_EQ(
        RowOf(*records, "水泥"),
        (std::vector<std::string>{"水泥", "C-0001 第 2 版", "P·O 42.5", "JC-2026-031，2026-03-01",
                                  "28 d 抗压强度 fce 48.6 MPa；密度 3100 kg/m³"}));
    EXPECT_EQ(
        RowOf(*records, "外加剂"),
        (std::vector<std::string>{"外加剂", "A-0003 第 1 版", "Point-400S", "—", "固含量 20 %"}));
    EXPECT_EQ(CellOf(*records, "材料成本"), "312.46");
    EXPECT_EQ(CellOf(*records, "价格日期"), "2026-03-01 … 2026-03-05");
    EXPECT_TRUE(Has(TextOf(*records), "砂无单价，未计入材料成本"));
    // 148 − 5.70 × 0.8: the record's 20 %, not the 25 typed.
    EXPECT_EQ(CellOf(*SectionTitled(ticket, "施工配合比"), "每立方米（kg/m³）", 4), "143");
    EXPECT_EQ(page::LayOutReport(ticket, page::PaperSetup{}, page::FixedWidthMeasurer()).size(),
              1u);

    const ReportPage report =
        jgj55_report::BuildJgj55Report(inputs, result, WholeTrial(), info, cited);
    const Section& listed = *SectionTitled(report, "原材料");
    EXPECT_EQ(listed.rows[0].cells.size(), 7u); // … 原材料记录, 试验数据
    EXPECT_EQ(CellOf(listed, "水泥", 5), "C-0001 第 2 版");
    ASSERT_TRUE(SectionTitled(report, "原材料检测记录"));
    EXPECT_EQ(*SectionTitled(report, "原材料检测记录"), *records);
}

// Mixes resting on cubes made for another design are not issued, on the ticket nor as the
// report's recommendation, until the user records why the results still hold (printed then).
TEST(BatchTicketTest, ATrialOfAnotherDesignIsRefusedUntilAReasonIsRecorded) {
    jgj55::Inputs inputs = C30Inputs();
    TrialEntries made = WithOldGroupsRecorded(WholeTrial(), inputs);
    inputs.grade = 35;
    const jgj55::Result result = jgj55::ComputeDesign(inputs);
    const ReportPage refused = jgj55_report::BuildBatchTicket(inputs, result, made, Info());
    EXPECT_FALSE(HasTable(*SectionTitled(refused, "施工配合比")));
    EXPECT_TRUE(
        Has(TextOf(*SectionTitled(refused, "设计配合比（每立方米混凝土）")), "强度等级 C30 → C35"));
    const ReportPage report = jgj55_report::BuildJgj55Report(inputs, result, made, Info());
    EXPECT_TRUE(Has(TextOf(*SectionTitled(report, "结论：推荐配合比")), "|不予推荐：试配结果"));

    const Jgj55Trial trial = RunJgj55Trial(inputs, result, made);
    ASSERT_TRUE(trial.basis.value);
    AcceptChanges(made, *trial.basis.value, AggregateMethodOf(inputs), "同批原材料，C35 已验证");
    const ReportPage issued = jgj55_report::BuildBatchTicket(inputs, result, made, Info());
    EXPECT_TRUE(HasTable(*SectionTitled(issued, "施工配合比")));
    EXPECT_TRUE(Has(TextOf(*SectionTitled(issued, "设计配合比（每立方米混凝土）")),
                    "理由：同批原材料，C35 已验证"));
}

TEST(BatchTicketTest, WhatIsNotKnownIsSaidAndNoNumberStandsForIt) {
    TrialEntries e = WholeTrial();
    e.production.sand_moisture_percent = "";
    e.production.measured_at = " ";
    ReportPage ticket = Ticket(e);
    const std::string moisture = TextOf(*SectionTitled(ticket, "砂石含水率"));
    EXPECT_TRUE(Has(moisture, "|尚缺：砂含水率未填写"));
    EXPECT_TRUE(Has(moisture, "|尚缺：含水率测定时间未填写"));
    EXPECT_FALSE(Has(moisture, "0.8")); // the stone's alone is not the day's moisture
    const Section& production = *SectionTitled(ticket, "施工配合比");
    EXPECT_FALSE(HasTable(production));
    EXPECT_TRUE(Has(TextOf(production), "|尚无施工配合比（砂含水率未填写；"));
    EXPECT_TRUE(HasTable(*SectionTitled(ticket, "设计配合比（每立方米混凝土）")));

    // No mixer: the mix per m³, no batch.
    e = WholeTrial();
    e.production.mixer_capacity_m3 = "";
    const ReportPage no_mixer = Ticket(e);
    const Section& per_m3 = *SectionTitled(no_mixer, "施工配合比");
    EXPECT_EQ(CellOf(per_m3, "每立方米（kg/m³）", 4), "148");
    EXPECT_TRUE(Has(TextOf(per_m3), "|尚无每盘用量：搅拌机每盘方量未填写"));

    // No strengths: neither a design mix nor a production mix, and the first gap is named.
    e = WholeTrial();
    e.strength.groups = {};
    ticket = Ticket(e);
    for (std::string_view title : {"设计配合比（每立方米混凝土）", "砂石含水率", "施工配合比"}) {
        SCOPED_TRACE(std::string(title));
        const Section& section = *SectionTitled(ticket, title);
        EXPECT_FALSE(HasTable(section));
        for (const page::Row& row : section.rows)
            EXPECT_NE(row.kind, RowKind::KeyValue);
    }
    EXPECT_TRUE(Has(TextOf(*SectionTitled(ticket, "设计配合比（每立方米混凝土）")),
                    "强度试验结果：第 1 组（水胶比 0.40）试件 1 抗压强度未填写"));
}

} // namespace
} // namespace mixora::trial
