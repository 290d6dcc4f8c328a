#pragma once
// The strength–B/W chart as data, for any drawer (GDI on screen and paper, SVG in the HTML
// report): the groups' points, the fitted line's two ends, the fcu,0 level, the chosen B/W and
// two axes with round ticks.
#include "strength_line.h"

#include <string>
#include <vector>

namespace mixora::trial {

struct PlotAxis {
    double min = 0;
    double max = 1;
    std::vector<double> ticks; // from min to max, inclusive
    int decimals = 0;          // for the tick labels
    std::string title;
};

struct StrengthPlot {
    std::vector<PlotPoint> points; // the valid groups (B/W, MPa)
    PlotPoint line_from, line_to;  // the fitted line over the points and the chosen B/W
    double target = 0;             // fcu,0
    PlotPoint chosen;              // the chosen B/W on the line
    std::string equation;          // "f = … ，R² = …"
    std::string target_label;      // "fcu,0 = 38.2 MPa"
    std::string chosen_label;      // "B/W = 2.14"
    PlotAxis x, y;
};

// An axis over [low, high] with about `count` steps of 1, 2 or 5 × 10^k and a small margin.
PlotAxis NiceAxis(double low, double high, int count, std::string title);

StrengthPlot MakeStrengthPlot(const std::vector<PlotPoint>& points, const StrengthLine& line,
                              double target, double chosen_binder_water);

} // namespace mixora::trial
