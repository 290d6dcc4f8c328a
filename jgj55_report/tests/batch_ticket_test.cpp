// The batch ticket of a whole C30 trial on one A4 sheet within the margins, and what it says
// instead of numbers while the moisture, the mixer or the design mix is not known.
#include "batch_ticket.h"
#include "fixed_width_measurer.h"
#include "report_layout.h"
#include "trial_report_fixture.h"

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
    EXPECT_EQ(CellOf(header, "坍落度"), "180");

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
    ASSERT_EQ(signatures.rows.size(), 3u);
    EXPECT_EQ(signatures.rows[2], (page::Row{RowKind::Signature, {"签发", "王工"}}));

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
