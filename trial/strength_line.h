#pragma once
// The least-squares line of strength against the binder–water ratio (胶水比 B/W):
// f = a·(B/W) + b, with its R².
#include "chart.h"
#include "computed.h"

#include <string>
#include <vector>

namespace mixora::trial {

using PlotPoint = page::ChartPoint; // (B/W, MPa)

struct StrengthLine {
    double slope = 0;     // a, to 0.01 MPa
    double intercept = 0; // b, to 0.01 MPa
    double r_squared = 0; // to 0.0001 (0 when the strengths are all equal)

    double at(double binder_water) const { return slope * binder_water + intercept; }
};

// At least two points with different B/W.
Computed<StrengthLine> FitLine(const std::vector<PlotPoint>& points);

// "f = 25.31·(B/W) − 18.23", a minus sign for a negative intercept.
std::string EquationText(const StrengthLine& line);

} // namespace mixora::trial
