// The report laid out on paper with a measurer whose sizes are known: pages break between rows,
// a row taller than a page is cut short, every page ends with its label, and everything stays
// within the margins of whatever paper it is laid out on.
#include "fixed_width_measurer.h"
#include "report_fixture.h"
#include "sample_chart.h"

#include "report_layout.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace mixora::page {
namespace {

// The cement-only sheet's report, as the layout meets it.
using cement_report::BuildReport;
using cement_report::PressedSnapshot;
using report::ReportInfo;

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// Everything on every page within the margins, no text wider than its box, nothing but the
// label in the label's place, and the label last.
void CheckPages(const std::vector<LaidOutPage>& pages, const PaperSetup& paper) {
    const FixedWidthMeasurer measurer;
    ASSERT_FALSE(pages.empty());
    const int count = static_cast<int>(pages.size());
    for (int p = 0; p < count; ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const LaidOutPage& page = pages[static_cast<size_t>(p)];
        ASSERT_FALSE(page.texts.empty());
        const PageText& label = page.texts.back();
        EXPECT_EQ(label.text, PageLabel(p + 1, count));
        EXPECT_EQ(label.box.bottom, paper.content.bottom);
        for (const PageText& text : page.texts) {
            EXPECT_TRUE(Inside(text.box, paper.content));
            EXPECT_LE(measurer.Width(text.style, text.text), text.box.width());
            if (&text != &label) {
                EXPECT_LT(text.box.bottom, label.box.top);
            }
        }
        for (const PageBox& box : page.boxes) {
            EXPECT_TRUE(Inside(box.box, paper.content));
            EXPECT_LT(box.box.bottom, label.box.top);
        }
        for (const Rect& rule : page.rules)
            EXPECT_TRUE(Inside(rule, paper.content));
        for (const PageLine& line : page.lines)
            for (const Point end : {line.from, line.to})
                EXPECT_TRUE(Inside({end.x, end.y, end.x, end.y}, paper.content) &&
                            end.y < label.box.top);
        for (const PageMarker& marker : page.markers) {
            const Point c = marker.centre;
            const int r = marker.radius;
            EXPECT_TRUE(Inside({c.x - r, c.y - r, c.x + r, c.y + r}, paper.content) &&
                        c.y + r < label.box.top);
        }
    }
}

std::vector<LaidOutPage> LayOut(const ReportPage& report, const PaperSetup& paper = {}) {
    return LayOutReport(report, paper, FixedWidthMeasurer());
}

// A table whose every row is tagged: its first cell "rN", its second "rN" again and again, so
// long that it takes several lines.
ReportPage TaggedTable(int rows, int repeats) {
    Section table{"表", {{RowKind::TableHeader, {"编号", "内容"}}}};
    for (int n = 0; n < rows; ++n) {
        const std::string tag = "r" + std::to_string(n);
        std::string long_text;
        for (int i = 0; i < repeats; ++i)
            long_text += tag + " ";
        table.rows.push_back({RowKind::TableRow, {tag, long_text}});
    }
    return {"标题", {table}};
}

TEST(ReportLayoutTest, ATableBreaksBetweenRowsAndRepeatsItsHeader) {
    const std::vector<LaidOutPage> pages = LayOut(TaggedTable(60, 120));
    CheckPages(pages, PaperSetup{});
    ASSERT_GE(pages.size(), 3u);
    std::map<std::wstring, std::set<size_t>> pages_of_tag;
    for (size_t p = 0; p < pages.size(); ++p)
        for (const PageText& text : pages[p].texts) {
            std::wistringstream words(text.text);
            for (std::wstring word; words >> word;)
                if (word[0] == L'r') pages_of_tag[word].insert(p);
        }
    EXPECT_EQ(pages_of_tag.size(), 60u);
    for (const auto& [tag, on] : pages_of_tag)
        EXPECT_EQ(on.size(), 1u) << "row " << std::string(tag.begin(), tag.end());
    // A page the table continues on starts with its header.
    for (size_t p = 1; p < pages.size(); ++p)
        EXPECT_EQ(pages[p].texts.front().text, L"编号") << "page " << p + 1;
}

TEST(ReportLayoutTest, ARowTallerThanAPageIsCutShortWithAnEllipsis) {
    Section values{"数值",
                   {{RowKind::KeyValue, {"前", "1"}},
                    {RowKind::KeyValue, {"长", std::string(40000, 'W')}},
                    {RowKind::KeyValue, {"后", "2"}}}};
    const std::vector<LaidOutPage> pages = LayOut({"标题", {values}});
    CheckPages(pages, PaperSetup{});
    // The long row starts a page of its own and fills it; the next row follows on another.
    ASSERT_EQ(pages.size(), 3u);
    const auto has = [](const LaidOutPage& page, std::wstring_view text) {
        for (const PageText& line : page.texts)
            if (line.text == text) return true;
        return false;
    };
    EXPECT_TRUE(has(pages[0], L"前"));
    EXPECT_TRUE(has(pages[1], L"长"));
    EXPECT_TRUE(has(pages[2], L"后"));
    const std::vector<PageText>& long_row = pages[1].texts;
    ASSERT_GE(long_row.size(), 3u);
    const std::wstring& last_line = long_row[long_row.size() - 2].text;
    EXPECT_EQ(last_line.back(), L'…');
    EXPECT_EQ(std::count(last_line.begin(), last_line.end(), L'W') + 1,
              static_cast<std::ptrdiff_t>(long_row[1].text.size()));
}

TEST(ReportLayoutTest, EveryPageEndsWithItsLabelAndMoreTextTakesMorePages) {
    EXPECT_EQ(PageLabel(2, 3), L"第 2 页，共 3 页");
    const std::vector<LaidOutPage> empty = LayOut({"标题", {}});
    ASSERT_EQ(empty.size(), 1u);
    ASSERT_EQ(empty[0].texts.size(), 2u);
    EXPECT_EQ(empty[0].texts[0].text, L"标题");
    EXPECT_EQ(empty[0].texts[1].text, L"第 1 页，共 1 页");

    ReportInfo info;
    const size_t plain = LayOut(BuildReport(PressedSnapshot(), info)).size();
    for (int i = 0; i < 80; ++i)
        info.remarks += "第" + std::to_string(i + 1) + "条：混凝土浇筑后应及时覆盖保湿养护。\n";
    const std::vector<LaidOutPage> longer = LayOut(BuildReport(PressedSnapshot(), info));
    CheckPages(longer, PaperSetup{});
    EXPECT_GT(longer.size(), plain);
}

// The top of a page's chart strokes and the bottom of its last text above them.
struct ChartPlace {
    int chart_top = 1 << 30;
    int text_bottom = 0;
};

ChartPlace PlaceOfChart(const LaidOutPage& page) {
    ChartPlace place;
    for (const PageLine& line : page.lines)
        place.chart_top = std::min({place.chart_top, line.from.y, line.to.y});
    for (const PageText& text : page.texts)
        if (text.box.bottom <= place.chart_top - 100) // not the chart's own texts
            place.text_bottom = std::max(place.text_bottom, text.box.bottom);
    return place;
}

TEST(ReportLayoutTest, AChartFollowsItsSectionsRowsWholeOnOnePage) {
    Section trial{"试配",
                  {{RowKind::KeyValue, {"配制强度", "38.2", "MPa"}},
                   {RowKind::KeyValue, {"胶水比", "2.11"}}}};
    trial.chart = SampleChart();
    const std::vector<LaidOutPage> one = LayOut({"标题", {trial}});
    CheckPages(one, PaperSetup{});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].markers.size(), 4u);
    const ChartPlace place = PlaceOfChart(one[0]);
    EXPECT_GT(place.chart_top, place.text_bottom); // below the rows
    EXPECT_LT(place.chart_top - place.text_bottom, 300);

    // Rows that leave too little room: the chart goes whole to the next page.
    Section notes{"说明", {}};
    for (int i = 0; i < 50; ++i)
        notes.rows.push_back({RowKind::Note, {"第" + std::to_string(i + 1) + "条"}});
    Section both = notes;
    both.chart = SampleChart();
    const std::vector<LaidOutPage> two = LayOut({"标题", {both}});
    CheckPages(two, PaperSetup{});
    ASSERT_EQ(two.size(), 2u);
    EXPECT_TRUE(two[0].lines.empty() && two[0].markers.empty());
    EXPECT_EQ(two[1].markers.size(), 4u);

    // A section with nothing but a chart keeps its title with it.
    Section chart_only{"强度与胶水比", {}};
    chart_only.chart = SampleChart();
    const std::vector<LaidOutPage> kept = LayOut({"标题", {notes, chart_only}});
    CheckPages(kept, PaperSetup{});
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[1].texts.front().text, L"强度与胶水比");
    EXPECT_EQ(kept[1].markers.size(), 4u);

    // Three charts: two to a page at most, none cut.
    const std::vector<LaidOutPage> three = LayOut({"标题", {trial, trial, trial}});
    CheckPages(three, PaperSetup{});
    std::size_t markers = 0;
    for (const LaidOutPage& page : three) {
        EXPECT_EQ(page.markers.size() % 4, 0u);
        markers += page.markers.size();
    }
    EXPECT_EQ(markers, 12u);
    EXPECT_EQ(three.size(), 2u);

    // On paper too short for a whole chart it shrinks to the page.
    const PaperSetup small = PaperOnSheet({1480, 1000}, {40, 40, 1440, 960});
    CheckPages(LayOut({"标题", {trial}}, small), small);
}

// Steps of a report: a title, one to three notes, a table of one to four rows; and the lab's
// lines and the numbers of the document on top.
ReportPage Steps() {
    ReportPage report{"配合比设计报告",
                      {},
                      {"某检测中心有限公司", "地址：某市某路 1 号"},
                      "配合比编号：PB-2026-0001　报告编号：R-17"};
    for (int n = 0; n < 40; ++n) {
        Section step{"步骤 " + std::to_string(n + 1), {}};
        for (int i = 0; i <= n % 3; ++i)
            step.rows.push_back({RowKind::Note, {"依据：第 " + std::to_string(i + 1) + " 条"}});
        step.rows.push_back({RowKind::TableHeader, {"参数", "数值"}});
        for (int i = 0; i <= n % 4; ++i)
            step.rows.push_back({RowKind::TableRow, {"值", std::to_string(i)}});
        if (n % 5 == 0) step.rows.push_back(Heading("小结"));
        if (n % 5 == 0) step.rows.push_back({RowKind::KeyValue, {"结论", "符合"}});
        report.sections.push_back(step);
    }
    return report;
}

TEST(ReportLayoutTest, EveryPageNamesItsDocumentAndNoHeadingIsLeftAtAPageFoot) {
    for (const PaperSetup& paper :
         {PaperSetup{}, PaperOnSheet({1480, 2100}, {40, 40, 1440, 2060})}) {
        const std::vector<LaidOutPage> pages = LayOut(Steps(), paper);
        CheckPages(pages, paper);
        ASSERT_GE(pages.size(), 3u);
        for (std::size_t p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE("page " + std::to_string(p + 1));
            const std::vector<PageText>& texts = pages[p].texts;
            EXPECT_EQ(texts.front().text, L"配合比编号：PB-2026-0001　报告编号：R-17");
            EXPECT_EQ(texts.front().box.top, paper.content.top);
            // The lab's lines head the first page only, above the title.
            const auto lab = std::find_if(texts.begin(), texts.end(), [](const PageText& t) {
                return t.text == L"某检测中心有限公司";
            });
            EXPECT_EQ(lab != texts.end(), p == 0);
            // A step's title or a heading has below it, on its page, what it heads.
            for (std::size_t i = 0; i < texts.size(); ++i) {
                const bool title = texts[i].style == TextStyle::SectionTitle;
                const bool heading = texts[i].text == L"小结";
                if (!title && !heading) continue;
                const std::wstring_view follows = title ? L"参数" : L"结论";
                EXPECT_TRUE(std::any_of(texts.begin() + static_cast<std::ptrdiff_t>(i), texts.end(),
                                        [&](const PageText& t) { return t.text == follows; }))
                    << std::string(texts[i].text.begin(), texts[i].text.end()) << " alone";
            }
        }
    }
}

// The pages on which a text starting with `tag` stands.
std::set<std::size_t> PagesWith(const std::vector<LaidOutPage>& pages, std::wstring_view tag) {
    std::set<std::size_t> on;
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (const PageText& text : pages[p].texts)
            if (text.text.starts_with(tag)) on.insert(p);
    return on;
}

TEST(ReportLayoutTest, AKeptBlockMovesWholeToTheNextPageUnlessTallerThanAPage) {
    // A conclusion, its remarks and the lines to sign on, below notes that fill the first page
    // to where the block, laid out freely, breaks across two pages.
    Section conclusion{
        "结论", {{RowKind::KeyValue, {"k水胶比", "0.45"}}}, 1, std::nullopt, Keep::WithNext};
    for (int i = 0; i < 6; ++i)
        conclusion.rows.push_back({RowKind::KeyValue, {"k用量", std::to_string(i)}});
    Section signatures{
        "", {{RowKind::Signature, {"k试验", "李明"}}}, 1, std::nullopt, Keep::Together};
    const auto with_notes = [&](int notes, Keep keep) {
        Section filler{"说明", {}};
        for (int i = 0; i < notes; ++i)
            filler.rows.push_back(Note("第" + std::to_string(i + 1) + "条"));
        Section first = conclusion, last = signatures;
        first.keep = keep == Keep::Free ? Keep::Free : Keep::WithNext;
        last.keep = keep;
        return LayOut({"标题", {filler, first, last}});
    };
    int split = 0;
    for (int notes = 1; notes < 200 && !split; ++notes)
        if (PagesWith(with_notes(notes, Keep::Free), L"k").size() == 2) split = notes;
    ASSERT_GT(split, 0);
    const std::vector<LaidOutPage> kept = with_notes(split, Keep::Together);
    CheckPages(kept, PaperSetup{});
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(PagesWith(kept, L"k"), std::set<std::size_t>{1});
    EXPECT_EQ(kept[1].texts[0].text, L"结论");

    // Taller than a page: it breaks between rows, each row once, rather than moving on and on.
    Section tall{"长", {}, 1, std::nullopt, Keep::Together};
    for (int i = 0; i < 300; ++i)
        tall.rows.push_back(Note("t" + std::to_string(i)));
    const std::vector<LaidOutPage> pages = LayOut({"标题", {tall, conclusion, signatures}});
    CheckPages(pages, PaperSetup{});
    EXPECT_GE(pages.size(), 3u);
    EXPECT_EQ(PagesWith(pages, L"t0").size(), 1u);
    EXPECT_EQ(PagesWith(pages, L"t299").size(), 1u);
    EXPECT_EQ(PagesWith(pages, L"k").size(), 1u);
}

TEST(ReportLayoutTest, ATableTitleAndHeaderStayWithAFirstRowOfManyLines) {
    const Section table = TaggedTable(1, 60).sections.front(); // "r0" on some six lines
    // The same table below a line of values in its section: the header keeps the row itself.
    Section below_values = table;
    below_values.rows.insert(below_values.rows.begin(), {RowKind::KeyValue, {"状态", "已完成"}});
    for (int notes = 1; notes < 150; ++notes) {
        Section filler{"说明", {}};
        for (int i = 0; i < notes; ++i)
            filler.rows.push_back(Note("第" + std::to_string(i + 1) + "条"));
        const std::vector<LaidOutPage> pages = LayOut({"标题", {filler, table}});
        const std::set<std::size_t> row = PagesWith(pages, L"r0");
        ASSERT_EQ(row.size(), 1u) << notes << " notes";
        EXPECT_EQ(PagesWith(pages, L"编号"), row) << notes << " notes";
        EXPECT_EQ(PagesWith(pages, L"表"), row) << notes << " notes";
        const std::vector<LaidOutPage> below = LayOut({"标题", {filler, below_values}});
        EXPECT_EQ(PagesWith(below, L"编号"), PagesWith(below, L"r0")) << notes << " notes";
    }
}

TEST(PaperTest, ThePrintableAreaMovesTheMarginsInwardsOnly) {
    // Letter paper whose printer reaches within 6.3 mm of each edge: the margins stay 15 mm.
    const PaperSetup letter = PaperOnSheet({2159, 2794}, {63, 63, 2096, 2731});
    EXPECT_EQ(letter.paper, (Size{2159, 2794}));
    EXPECT_EQ(letter.content, (Rect{150, 150, 2009, 2644}));
    // A printer that cannot reach within 20 mm of the left edge nor 27 mm of the bottom: 2 mm
    // more are kept clear there.
    const PaperSetup narrow = PaperOnSheet({2100, 2970}, {200, 50, 2000, 2700});
    EXPECT_EQ(narrow.content, (Rect{220, 150, 1950, 2680}));
    // No sheet: A4. A sheet too small for the margins: all of it.
    EXPECT_EQ(PaperOnSheet({0, 0}, {}).content, PaperSetup{}.content);
    EXPECT_EQ(PaperOnSheet({250, 250}, {0, 0, 250, 250}).content, (Rect{0, 0, 250, 250}));
}

TEST(PaperTest, TheReportStaysWithinTheMarginsOfOtherPaper) {
    ReportInfo info;
    info.project = "某住宅楼工程（二期）";
    info.remarks = std::string(600, 'W') + "\n养护时间不少于七天（Portland cement）。";
    const ReportPage report = BuildReport(PressedSnapshot(), info);
    const PaperSetup a5 = PaperOnSheet({1480, 2100}, {40, 40, 1440, 2060});
    const std::vector<LaidOutPage> on_a5 = LayOut(report, a5);
    CheckPages(on_a5, a5);
    const PaperSetup narrow = PaperOnSheet({2100, 2970}, {300, 300, 1800, 2670});
    CheckPages(LayOut(report, narrow), narrow);
    EXPECT_GE(on_a5.size(), LayOut(report).size());
}

} // namespace
} // namespace mixora::page
