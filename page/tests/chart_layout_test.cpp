// The chart laid out with a measurer whose sizes are known: values land where the axes say,
// nothing leaves the chart's area, and numbers that place nothing draw nothing.
#include "fixed_width_measurer.h"
#include "sample_chart.h"

#include "chart_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace mixora::page {
namespace {

constexpr Rect kArea{100, 200, 1700, 1050};

LaidOutPage LayOut(const Chart& chart, const Rect& area = kArea) {
    LaidOutPage page;
    LayOutChart(chart, area, FixedWidthMeasurer(), page);
    return page;
}

const PageText* FindText(const LaidOutPage& page, std::wstring_view text) {
    for (const PageText& t : page.texts)
        if (t.text == text) return &t;
    return nullptr;
}

// The plot's frame as its two axes draw it, and where a value falls on it.
struct Plot {
    int left = 0, right = 0, top = 0, bottom = 0;
    const Chart& chart;

    double X(double x) const {
        return left + (x - chart.x.min) / (chart.x.max - chart.x.min) * (right - left);
    }
    double Y(double y) const {
        return bottom - (y - chart.y.min) / (chart.y.max - chart.y.min) * (bottom - top);
    }
};

Plot FindPlot(const LaidOutPage& page, const Chart& chart) {
    Plot plot{0, 0, 0, 0, chart};
    for (const PageLine& line : page.lines) {
        if (line.colour != Colour{0, 0, 0} || line.width != 3) continue;
        if (line.from.y == line.to.y && line.to.x - line.from.x > 200) {
            plot.left = line.from.x;
            plot.right = line.to.x;
            plot.bottom = line.from.y;
        }
        if (line.from.x == line.to.x && line.from.y - line.to.y > 200) plot.top = line.to.y;
    }
    return plot;
}

TEST(ChartLayoutTest, EveryValueLandsWhereTheAxesSay) {
    const Chart chart = SampleChart();
    const LaidOutPage page = LayOut(chart);
    const Plot plot = FindPlot(page, chart);
    ASSERT_GT(plot.right - plot.left, 1000);
    ASSERT_GT(plot.bottom - plot.top, 400);

    // The measured points, round, in the order given; then the chosen point, square.
    ASSERT_EQ(page.markers.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(page.markers[i].shape, MarkerShape::Circle);
        EXPECT_NEAR(page.markers[i].centre.x, plot.X(chart.points[i].x), 1.0);
        EXPECT_NEAR(page.markers[i].centre.y, plot.Y(chart.points[i].y), 1.0);
    }
    EXPECT_EQ(page.markers[3].shape, MarkerShape::Square);
    EXPECT_NEAR(page.markers[3].centre.x, plot.X(2.11), 1.0);
    EXPECT_NEAR(page.markers[3].centre.y, plot.Y(chart.chosen.y), 1.0);

    // Each tick's label centred on it; the labels read the axis's decimals.
    const PageText* x_label = FindText(page, L"2.0");
    const PageText* y_label = FindText(page, L"45");
    ASSERT_TRUE(x_label && y_label);
    EXPECT_NEAR((x_label->box.left + x_label->box.right) / 2.0, plot.X(2.0), 1.0);
    EXPECT_GT(x_label->box.top, plot.bottom);
    EXPECT_NEAR((y_label->box.top + y_label->box.bottom) / 2.0, plot.Y(45), 1.0);
    EXPECT_LT(y_label->box.right, plot.left);
    EXPECT_EQ(y_label->align, AlignRight);

    // The fitted line between its ends; the target level across the plot, dashed.
    int fitted = 0, targets = 0;
    for (const PageLine& line : page.lines) {
        if (line.width == 5) {
            ++fitted;
            EXPECT_NEAR(line.from.x, plot.X(2.0), 1.0);
            EXPECT_NEAR(line.from.y, plot.Y(chart.line_from.y), 1.0);
            EXPECT_NEAR(line.to.x, plot.X(2.5), 1.0);
            EXPECT_NEAR(line.to.y, plot.Y(chart.line_to.y), 1.0);
            EXPECT_FALSE(line.dashed);
        }
        if (line.dashed && line.from.y == line.to.y) {
            ++targets;
            EXPECT_NEAR(line.from.y, plot.Y(38.2), 1.0);
            EXPECT_EQ(line.from.x, plot.left);
            EXPECT_EQ(line.to.x, plot.right);
        }
    }
    EXPECT_EQ(fitted, 1);
    EXPECT_EQ(targets, 1);

    // Every text once: ticks, titles, labels and the equation.
    const std::size_t ticks = chart.x.ticks.size() + chart.y.ticks.size();
    EXPECT_EQ(page.texts.size(), ticks + 5);
    for (const std::wstring_view text :
         {L"f = 25.51·(B/W) − 15.59，R² = 0.9969", L"fcu,0 = 38.2 MPa", L"B/W = 2.11",
          L"胶水比 B/W", L"抗压强度 f (MPa)"})
        EXPECT_NE(FindText(page, text), nullptr);
}

bool Inside(int x, int y, int margin, const Rect& area) {
    return x - margin >= area.left && x + margin <= area.right && y - margin >= area.top &&
           y + margin <= area.bottom;
}

void ExpectInside(const LaidOutPage& page, const Rect& area) {
    const FixedWidthMeasurer measurer;
    for (const PageLine& line : page.lines) {
        EXPECT_TRUE(Inside(line.from.x, line.from.y, (line.width + 1) / 2, area));
        EXPECT_TRUE(Inside(line.to.x, line.to.y, (line.width + 1) / 2, area));
    }
    for (const PageMarker& marker : page.markers)
        EXPECT_TRUE(Inside(marker.centre.x, marker.centre.y, marker.radius, area));
    for (const PageText& text : page.texts) {
        EXPECT_GE(text.box.left, area.left);
        EXPECT_LE(text.box.right, area.right);
        EXPECT_GE(text.box.top, area.top);
        EXPECT_LE(text.box.bottom, area.bottom);
        // Cut only when wider than the whole area.
        if (text.box.width() < area.width()) {
            EXPECT_LE(measurer.Width(text.style, text.text), text.box.width());
        }
    }
}

TEST(ChartLayoutTest, NothingLeavesTheAreaWhateverItsSize) {
    Chart off_axes = SampleChart();
    off_axes.points.push_back({1e9, -1e9}); // drawn on the plot's corner
    off_axes.line_from = {0, -100};         // cut where it leaves the plot
    off_axes.chosen = {9, 9};
    for (const Rect& area : {kArea, Rect{0, 0, 600, 400}, Rect{10, 10, 300, 160},
                             Rect{0, 0, 40, 40}, Rect{5, 5, 5, 5}})
        for (const Chart& chart : {SampleChart(), off_axes, Chart{}}) {
            SCOPED_TRACE(std::to_string(area.width()) + "×" + std::to_string(area.height()));
            ExpectInside(LayOut(chart, area), area);
        }
    const LaidOutPage page = LayOut(off_axes);
    const Plot plot = FindPlot(page, off_axes);
    EXPECT_EQ(page.markers[3].centre.x, plot.right);
    EXPECT_EQ(page.markers[3].centre.y, plot.bottom);
    for (const PageLine& line : page.lines)
        if (line.width == 5) {
            // Where the line from (0, −100) crosses the x axis at 30.
            const double rise = off_axes.line_to.y + 100;
            EXPECT_NEAR(line.from.x, plot.X(off_axes.line_to.x * 130 / rise), 1.0);
            EXPECT_EQ(line.from.y, plot.bottom);
            EXPECT_NEAR(line.to.y, plot.Y(off_axes.line_to.y), 1.0);
        }
}

TEST(ChartLayoutTest, NumbersThatPlaceNothingDrawNothing) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const auto count_markers = [](const Chart& chart) { return LayOut(chart).markers.size(); };
    const auto has_fit = [](const Chart& chart) {
        for (const PageLine& line : LayOut(chart).lines)
            if (line.width == 5) return true;
        return false;
    };

    Chart chart = SampleChart();
    chart.points[0] = {kNaN, 40};
    chart.target = kNaN;
    chart.line_to.y = kInf;
    const LaidOutPage page = LayOut(chart);
    EXPECT_EQ(page.markers.size(), 3u); // two points and the chosen one
    EXPECT_FALSE(has_fit(chart));
    for (const PageLine& line : page.lines)
        EXPECT_FALSE(line.dashed && line.from.y == line.to.y) << "a target level that is NaN";
    EXPECT_EQ(FindText(page, L"fcu,0 = 38.2 MPa"), nullptr);
    ExpectInside(page, kArea);

    // An axis with no span, or none a double can hold, places no value: the frame, the titles
    // and the equation only.
    for (const ChartAxis& axis :
         {ChartAxis{2, 2, {2}, 1, "x"}, ChartAxis{3, 1, {}, 0, "x"},
          ChartAxis{-1e308, 1e308, {0}, 0, "x"}, ChartAxis{0, kInf, {0, 1}, 0, "x"},
          ChartAxis{kNaN, 1, {0.5}, 0, "x"}}) {
        Chart flat = SampleChart();
        flat.x = axis;
        EXPECT_EQ(count_markers(flat), 0u);
        EXPECT_FALSE(has_fit(flat));
        const LaidOutPage drawn = LayOut(flat);
        EXPECT_EQ(drawn.lines.size(), 2 * flat.y.ticks.size() + 2); // y's grid, ticks, axes
        EXPECT_NE(FindText(drawn, L"f = 25.51·(B/W) − 15.59，R² = 0.9969"), nullptr);
        ExpectInside(drawn, kArea);
    }
}

} // namespace
} // namespace mixora::page
