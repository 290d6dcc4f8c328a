#pragma once
// A chart as data, for any drawer (GDI on screen and paper, SVG in the HTML report): points,
// a straight line between two ends, one horizontal level, one marked point on the line and
// two axes with round ticks. The strength–B/W chart of the trial is one.
#include <optional>
#include <string>
#include <vector>

namespace mixora::page {

struct ChartPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartAxis {
    double min = 0;
    double max = 1;
    std::vector<double> ticks; // from min to max, inclusive, each round at `decimals`
    int decimals = 0;          // for the tick labels
    std::string title;
    friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};

struct Chart {
    std::vector<ChartPoint> points; // the measured points
    ChartPoint line_from, line_to;  // the fitted line's ends
    double target = 0;              // the level drawn across (fcu,0)
    ChartPoint chosen;              // the point read off the line at the level
    std::string equation;           // "f = … ，R² = …"
    std::string target_label;       // "fcu,0 = 38.2 MPa"
    std::string chosen_label;       // "B/W = 2.14"
    ChartAxis x, y;
    friend bool operator==(const Chart&, const Chart&) = default;
};

} // namespace mixora::page
