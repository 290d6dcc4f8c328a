#include "report_fixture.h"

#include "cement_clipboard.h"
#include "formula_guard.h"
#include "report_writers.h"
#include "sample_chart.h"

#include <string>

namespace mixora::page {
namespace {

// The cement-only sheet's report and 复制结果, as the writers meet them.
using cement_report::BuildReport;
using cement_report::ClipboardHtml;
using cement_report::ClipboardText;
using cement_report::PressedSnapshot;
using cement_report::With;
using report::ReportInfo;

using enum calc::Field;

std::size_t Count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(WritersTest, ClipboardTextHasOneRowPerItemWithThreeCells) {
    const std::string text = ClipboardText(With(PressedSnapshot(), {{Text16, "a\tb\r\nc"}}));
    EXPECT_EQ(text.rfind("项目\t数值\t单位\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\n水泥用量（配合比）\t346.15\tkg/m³\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n水比例（配合比）\t0.52\t\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n石子\ta b  c\t\r\n"), std::string::npos);
    const std::size_t lines = Count(text, "\r\n");
    EXPECT_EQ(lines, 1 + 21 + 3 + 4 + 8u);
    EXPECT_EQ(Count(text, "\t"), 2 * lines);
    EXPECT_EQ(Count(text, "\n"), lines); // no bare line feed
}

std::size_t HeaderOffset(const std::string& data, const std::string& name) {
    const std::size_t at = data.find(name + ":");
    EXPECT_NE(at, std::string::npos) << name;
    const std::string digits = data.substr(at + name.size() + 1, 10);
    EXPECT_EQ(data.substr(at + name.size() + 11, 2), "\r\n") << name;
    return std::stoul(digits);
}

TEST(WritersTest, ClipboardHtmlOffsetsPointAtTheBytes) {
    const std::string data = ClipboardHtml(With(PressedSnapshot(), {{Text16, "<i>&\"石\"</i>"}}));
    EXPECT_EQ(data.rfind("Version:0.9\r\n", 0), 0u);
    const std::size_t start_html = HeaderOffset(data, "StartHTML");
    const std::size_t end_html = HeaderOffset(data, "EndHTML");
    const std::size_t start_fragment = HeaderOffset(data, "StartFragment");
    const std::size_t end_fragment = HeaderOffset(data, "EndFragment");
    EXPECT_EQ(data.compare(start_html, 6, "<html>"), 0);
    EXPECT_EQ(end_html, data.size());
    const std::string start_marker = "<!--StartFragment-->";
    EXPECT_EQ(data.compare(start_fragment - start_marker.size(), start_marker.size(), start_marker),
              0);
    EXPECT_EQ(data.compare(end_fragment, 18, "<!--EndFragment-->"), 0);
    const std::string fragment = data.substr(start_fragment, end_fragment - start_fragment);
    EXPECT_EQ(fragment.rfind("<table", 0), 0u);
    EXPECT_TRUE(fragment.ends_with("</table>"));
    EXPECT_NE(fragment.find("<td>&lt;i&gt;&amp;&quot;石&quot;&lt;/i&gt;</td>"), std::string::npos);
    EXPECT_EQ(Count(fragment, "<tr>"), 1 + 21 + 3 + 4 + 8u);
}

TEST(WritersTest, CsvQuotesCommasQuotesAndLineBreaksAndStartsWithABom) {
    ReportInfo info;
    info.project = "甲,乙";
    info.client = "\"某\"公司";
    info.remarks = "一行\r\n二行";
    const std::string csv = ReportCsv(BuildReport(PressedSnapshot(), info));
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF混凝土配合比设计报告\r\n", 0), 0u);
    EXPECT_NE(csv.find("\r\n工程名称,\"甲,乙\",\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n委托单位,\"\"\"某\"\"公司\",\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n\"一行\r\n二行\"\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n水泥,346.15,6.92\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n最大水胶比,0.52,≤ 0.60,GB 50010-2010 表 3.5.3，环境类别 一,符合\r\n"),
              std::string::npos); // "，" needs no quotes
    EXPECT_EQ(Count(csv, "\n"), Count(csv, "\r\n"));
}

TEST(WritersTest, HtmlReportIsSelfContainedAndEscapesEveryText) {
    ReportInfo info;
    info.project = "<script>alert(1)</script>";
    info.client = "A & B 'C'";
    const std::string html =
        ReportHtml(BuildReport(With(PressedSnapshot(), {{Text28, "<img src=x>"}}), info));
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("@page"), std::string::npos);
    EXPECT_NE(html.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(html.find("A &amp; B &#39;C&#39;"), std::string::npos);
    EXPECT_NE(html.find("&lt;img src=x&gt;"), std::string::npos);
    for (const char* external : {"<script", "<img", "<link", "src=\"", "url(", "http"})
        EXPECT_EQ(html.find(external), std::string::npos) << external;
}

TEST(WritersTest, ASectionsChartIsOneSvgInTheHtmlAndItsEquationInTheCsv) {
    Section first{"试配 <一>", {{RowKind::KeyValue, {"胶水比", "2.11"}}}};
    first.chart = SampleChart();
    first.chart->chosen_label = "B/W = 2.11 & <b>";
    Section second = first;
    second.chart->equation = "=1+1";
    const ReportPage page{"报告", {first, {"无图", {{RowKind::Note, {"说明"}}}}, second}};
    const std::string html = ReportHtml(page);
    EXPECT_EQ(Count(html, "<svg "), 2u);
    EXPECT_EQ(Count(html, "</svg>"), 2u);
    EXPECT_NE(html.find(">B/W = 2.11 &amp; &lt;b&gt;</text>"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    // After the rows of its own section.
    EXPECT_LT(html.find("胶水比"), html.find("<svg "));
    EXPECT_LT(html.find("<svg "), html.find("无图"));

    const std::string csv = ReportCsv(page);
    EXPECT_NE(csv.find("\r\nf = 25.51·(B/W) − 15.59，R² = 0.9969\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n'=1+1\r\n"), std::string::npos);
}

TEST(WritersTest, SectionsKeptWithTheNextPrintInOneBlockWithIt) {
    const auto kept = [](std::string title, Keep keep) {
        Section section{std::move(title), {Note("…")}};
        section.keep = keep;
        return section;
    };
    const std::string html = ReportHtml(
        {"报告", {kept("a", Keep::Free), kept("b", Keep::WithNext), kept("c", Keep::Together)}});
    const std::size_t open = html.find("<div class=\"kept\">");
    ASSERT_NE(open, std::string::npos);
    EXPECT_LT(html.find("<h2>a</h2>"), open);
    EXPECT_LT(open, html.find("<h2>b</h2>"));
    EXPECT_LT(html.find("<h2>c</h2>"), html.find("</div>"));
    EXPECT_EQ(html.find("</div>", html.find("<h2>c</h2>")), html.rfind("</div>"));
}

TEST(FormulaGuardTest, TextsASpreadsheetWouldRunBecomeTextAndNumbersStayNumbers) {
    for (const char* formula : {"=HYPERLINK(\"http://x\",\"y\")", "+1+1", "-2+3", "@SUM(A1)",
                                "\t=1+1", "\r=1+1", "-", "+", "-A1", "--2", "- 2", "-2 +3"})
        EXPECT_EQ(NeutralizeFormula(formula), "'" + std::string(formula)) << formula;
    for (const char* plain : {"-2", "346.15", "+5", "-3052.465", "-1,234.5", "-1.5E+07", "", "水泥",
                              "a=b", " =1", "'=1"})
        EXPECT_EQ(NeutralizeFormula(plain), plain) << plain;
}

// A header field, an input and a typed intermediate, each as a spreadsheet would run it.
TEST(WritersTest, CsvAndClipboardTextNeverCarryAFormula) {
    ReportInfo info;
    info.project = "=HYPERLINK(\"http://x\",\"y\")";
    info.client = "@SUM(A1)";
    info.location = "a;=1+1";
    const document::DesignSnapshot snapshot = With(
        PressedSnapshot(),
        {{Text16, "+1+1"}, {Text17, "\t=1"}, {Text27, "+1+1"}, {Text29, "\t=1"}, {Text28, "-2"}});
    const std::string csv = ReportCsv(BuildReport(snapshot, info));
    EXPECT_NE(csv.find("\r\n工程名称,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\n委托单位,'@SUM(A1),\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n使用部位,\"a;=1+1\",\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n维勃稠度,'+1+1,s\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n石子最大粒径,\"'\t=1\",mm\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n坍落度,-2,mm\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n水泥,346.15,6.92\r\n"), std::string::npos);
    for (const char* start : {",=", ",+", ",@", ",\"=", ",\"+", ",\"@", ",\"\t"})
        EXPECT_EQ(csv.find(start), std::string::npos) << start;

    const std::string text = ClipboardText(snapshot);
    EXPECT_NE(text.find("\r\n石子\t'+1+1\t\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n砂子\t' =1\t\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n塌落度\t-2\tmm\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n水泥用量（配合比）\t346.15\tkg/m³\r\n"), std::string::npos);
}

} // namespace
} // namespace mixora::page
