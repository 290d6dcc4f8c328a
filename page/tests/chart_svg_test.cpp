// The chart as SVG: one element for each stroke, mark and text of the chart's layout, every
// text escaped, every coordinate a whole number within the picture.
#include "sample_chart.h"

#include "chart_svg.h"

#include <gtest/gtest.h>

#include <limits>
#include <regex>

namespace mixora::page {
namespace {

std::size_t Count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Every number of a coordinate attribute lies within 0 … limit.
void ExpectCoordinatesWithin(const std::string& svg, int width, int height) {
    const std::regex attribute("\\b(x|y|x1|y1|x2|y2|cx|cy)=\"([^\"]*)\"");
    int seen = 0;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), attribute);
         it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[1], value = (*it)[2];
        ASSERT_TRUE(std::regex_match(value, std::regex("-?[0-9]+"))) << name << "=" << value;
        const int v = std::stoi(value);
        EXPECT_GE(v, 0) << name;
        EXPECT_LE(v, name.find('x') != std::string::npos ? width : height) << name;
        ++seen;
    }
    EXPECT_GT(seen, 0);
}

TEST(ChartSvgTest, OneElementForEachThingDrawn) {
    const Chart chart = SampleChart();
    const std::string svg = ChartSvg(chart, {1600, 850});
    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"160.0mm\" "
                        "height=\"85.0mm\" viewBox=\"0 0 1600 850\"",
                        0),
              0u);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    const std::size_t ticks = chart.x.ticks.size() + chart.y.ticks.size();
    // A grid line and a tick mark a tick, the two axes, the target, the fitted line and the
    // chosen point's guide.
    EXPECT_EQ(Count(svg, "<line "), 2 * ticks + 5);
    EXPECT_EQ(Count(svg, "stroke-dasharray"), 2u);
    EXPECT_EQ(Count(svg, "<circle "), chart.points.size());
    EXPECT_EQ(Count(svg, "<rect "), 1u);
    // Tick labels, two axis titles, the target's and the chosen B/W's labels, the equation.
    EXPECT_EQ(Count(svg, "<text "), ticks + 5);
    EXPECT_EQ(Count(svg, "</text>"), ticks + 5);
    EXPECT_NE(svg.find(">f = 25.51·(B/W) − 15.59，R² = 0.9969</text>"), std::string::npos);
    EXPECT_NE(svg.find(">B/W = 2.11</text>"), std::string::npos);
    EXPECT_NE(svg.find(">2.0</text>"), std::string::npos);
    ExpectCoordinatesWithin(svg, 1600, 850);
}

TEST(ChartSvgTest, TextIsEscapedAndNothingLeavesThePicture) {
    Chart chart = SampleChart();
    chart.x.title = "B/W <\"胶水比\"> & 'x'";
    chart.equation = "</svg><script>alert(1)</script>";
    chart.points.push_back({1e9, -1e9}); // off the axes: drawn on the plot's corner
    chart.points.push_back({std::numeric_limits<double>::quiet_NaN(), 1});
    const std::string svg = ChartSvg(chart, {800, 500});
    EXPECT_NE(svg.find(">B/W &lt;&quot;胶水比&quot;&gt; &amp; &#39;x&#39;</text>"),
              std::string::npos);
    EXPECT_EQ(svg.find("<script"), std::string::npos);
    EXPECT_EQ(Count(svg, "</svg>"), 1u);
    EXPECT_EQ(Count(svg, "<"), Count(svg, ">")); // nothing the user typed opened a tag
    EXPECT_EQ(Count(svg, "<circle "), chart.points.size() - 1);
    ExpectCoordinatesWithin(svg, 800, 500);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
}

} // namespace
} // namespace mixora::page
