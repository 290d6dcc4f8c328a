// The JGJ 55-2011 samples of tools/samples as the window and --export make their documents: a
// pumped P8 C35 and a C60 with their whole trials give each record of the special requirements
// its check, a recommended mix that names the requirements it holds for, and a one-sheet batch
// ticket whose amounts are the ones the report lists for it.
#include "design_reading.h"
#include "design_report.h"
#include "design_session.h"
#include "fixed_width_measurer.h"
#include "report_layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace mixora::session {
namespace {

struct Documents {
    page::ReportPage report, ticket;
};

Documents OfSample(const std::string& name) {
    std::ifstream file(std::string(MIXORA_SAMPLES) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    const document::ReadResult read = ReadDesignDocument(bytes.str());
    const auto* design = std::get_if<document::DesignDocument>(&read);
    if (!design) {
        ADD_FAILURE() << name << " does not open";
        return {};
    }
    DesignSession session;
    session.Opened(L"sample.mixora", *design);
    const report::ReportInfo info = session.report_info("2026-12-08");
    return {DesignReport(*design, info), BatchTicket(*design, info).value_or(page::ReportPage{})};
}

// The first row anywhere in `page` whose first cell is `first`.
std::vector<std::string> RowOf(const page::ReportPage& page, std::string_view first) {
    for (const page::Section& section : page.sections)
        for (const page::Row& row : section.rows)
            if (!row.cells.empty() && row.cells.front() == first) return row.cells;
    return {"（无）", "", "", "", ""};
}

std::string ConclusionText(const page::ReportPage& report) {
    std::string text;
    for (const page::Section& section : report.sections)
        if (section.title == "结论：推荐配合比")
            for (const page::Row& row : section.rows)
                for (const std::string& cell : row.cells)
                    text += cell + "|";
    return text;
}

// The ticket on one sheet, its amounts per m³ and per batch those the report gives it.
void ExpectOneTicketOfTheReportsAmounts(const Documents& documents) {
    EXPECT_EQ(page::LayOutReport(documents.ticket, {}, page::FixedWidthMeasurer()).size(), 1u);
    std::vector<std::string> per_m3 = RowOf(documents.ticket, "每立方米（kg/m³）");
    std::vector<std::string> listed = RowOf(documents.report, "通知单每立方米（kg/m³）");
    EXPECT_EQ(std::vector(per_m3.begin() + 1, per_m3.end()),
              std::vector(listed.begin() + 1, listed.end()));
    per_m3 = RowOf(documents.ticket, "每盘 2 m³（kg）");
    listed = RowOf(documents.report, "通知单每盘（kg）");
    EXPECT_EQ(std::vector(per_m3.begin() + 1, per_m3.end()),
              std::vector(listed.begin() + 1, listed.end()));
}

TEST(SampleDocumentsTest, APumpedImpermeableC35) {
    const Documents c35 = OfSample("c35-p8-pumped.mixora");
    EXPECT_EQ(RowOf(c35.report, "抗渗试验")[4], "符合");
    EXPECT_EQ(RowOf(c35.report, "水溶性氯离子含量")[4], "符合");
    EXPECT_EQ(RowOf(c35.report, "泵送 坍落度经时损失")[1],
              "等待 90 min 后 165 mm（出机 190 mm，损失 25 mm）");
    EXPECT_EQ(RowOf(c35.report, "最大水胶比")[2], "≤ 0.50");
    EXPECT_NE(ConclusionText(c35.report).find("特殊要求 泵送、抗渗 P8"), std::string::npos);
    EXPECT_EQ(RowOf(c35.ticket, "抗渗试验")[4], "符合");
    ExpectOneTicketOfTheReportsAmounts(c35);
}

TEST(SampleDocumentsTest, AHighStrengthC60WithItsRepeatBatches) {
    const Documents c60 = OfSample("c60-high-strength.mixora");
    EXPECT_EQ(RowOf(c60.report, "高强 重复试验")[4], "符合");
    EXPECT_EQ(RowOf(c60.report, "第 3 盘")[4], "代表值 71.5 MPa（平均值）");
    EXPECT_EQ(RowOf(c60.report, "高强 水胶比")[1], "0.31");
    EXPECT_NE(ConclusionText(c60.report).find("特殊要求 高强"), std::string::npos);
    EXPECT_EQ(RowOf(c60.ticket, "高强 重复试验")[4], "符合");
    ExpectOneTicketOfTheReportsAmounts(c60);
}

} // namespace
} // namespace mixora::session
