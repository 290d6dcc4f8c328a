#include "strength_plot_svg.h"

#include <gtest/gtest.h>

namespace mixora::trial {
namespace {

std::size_t Count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

StrengthPlot Plot() {
    const StrengthLine line{25.51, -15.59, 0.9969};
    return MakeStrengthPlot({{2.0, 35.2}, {2.222, 41.5}, {2.5, 48.0}}, line, 38.2, 2.11);
}

TEST(StrengthPlotSvgTest, OneElementForEachThingDrawn) {
    const StrengthPlot plot = Plot();
    const std::string svg = StrengthPlotSvg(plot, {400, 300});
    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400.00\" "
                        "height=\"300.00\" viewBox=\"0 0 400.00 300.00\"",
                        0),
              0u);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
    const std::size_t ticks = plot.x.ticks.size() + plot.y.ticks.size();
    // Grid lines, the two axes, the target and the fitted line.
    EXPECT_EQ(Count(svg, "<line "), ticks + 4);
    EXPECT_EQ(Count(svg, "<circle "), plot.points.size() + 1);
    // Tick labels, two axis titles, the target's and the chosen B/W's labels, the equation.
    EXPECT_EQ(Count(svg, "<text "), ticks + 5);
    EXPECT_EQ(Count(svg, "</text>"), ticks + 5);
    EXPECT_EQ(Count(svg, "/>"), ticks + 4 + plot.points.size() + 1); // all lines, circles
    EXPECT_NE(svg.find(">f = 25.51·(B/W) − 15.59，R² = 0.9969</text>"), std::string::npos);
    EXPECT_NE(svg.find(">B/W = 2.11</text>"), std::string::npos);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST(StrengthPlotSvgTest, TextIsEscapedAndEveryPointStaysInTheFrame) {
    StrengthPlot plot = Plot();
    plot.x.title = "B/W <\"胶水比\"> & 'x'";
    plot.points.push_back({1e9, -1e9}); // off the axes: drawn on the frame's edge
    const std::string svg = StrengthPlotSvg(plot, {400, 300});
    EXPECT_NE(svg.find(">B/W &lt;&quot;胶水比&quot;&gt; &amp; &#39;x&#39;</text>"),
              std::string::npos);
    EXPECT_EQ(Count(svg, "<"), Count(svg, ">")); // nothing the user typed opened a tag
    // The off-axis point is clamped to the right and bottom of the plot area (400 − 16, 300 − 44).
    EXPECT_NE(svg.find("cx=\"384.00\" cy=\"256.00\""), std::string::npos);
}

} // namespace
} // namespace mixora::trial
