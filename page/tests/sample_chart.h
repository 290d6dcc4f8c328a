#pragma once
// The strength–B/W chart of a trial as the trial makes it: three points, the fitted line
// f = 25.51·(B/W) − 15.59, fcu,0 = 38.2 MPa and the chosen B/W 2.11, on round axes.
#include "chart.h"

namespace mixora::page {

inline Chart SampleChart() {
    Chart chart;
    chart.points = {{2.0, 35.2}, {2.222, 41.5}, {2.5, 48.0}};
    chart.line_from = {2.0, 25.51 * 2.0 - 15.59};
    chart.line_to = {2.5, 25.51 * 2.5 - 15.59};
    chart.target = 38.2;
    chart.chosen = {2.11, 25.51 * 2.11 - 15.59};
    chart.equation = "f = 25.51·(B/W) − 15.59，R² = 0.9969";
    chart.target_label = "fcu,0 = 38.2 MPa";
    chart.chosen_label = "B/W = 2.11";
    chart.x = {1.9, 2.6, {1.9, 2.0, 2.1, 2.2, 2.3, 2.4, 2.5, 2.6}, 1, "胶水比 B/W"};
    chart.y = {30, 50, {30, 35, 40, 45, 50}, 0, "抗压强度 f (MPa)"};
    return chart;
}

} // namespace mixora::page
