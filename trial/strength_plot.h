#pragma once
// The strength–B/W chart: the valid groups' points, the fitted line over them and the chosen
// B/W, the fcu,0 level and the chosen B/W on the line, with round axes.
#include "strength_line.h"

#include <string>
#include <vector>

namespace mixora::trial {

// The chart is the page's data (page/chart.h), which every drawer reads.
using PlotAxis = page::ChartAxis;
using StrengthPlot = page::Chart;

// An axis over [low, high] with about `count` steps of 1, 2 or 5 × 10^k and a small margin.
PlotAxis NiceAxis(double low, double high, int count, std::string title);

StrengthPlot MakeStrengthPlot(const std::vector<PlotPoint>& points, const StrengthLine& line,
                              double target, double chosen_binder_water);

} // namespace mixora::trial
