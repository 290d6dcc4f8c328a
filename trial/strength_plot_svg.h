#pragma once
// The strength chart as an SVG element, text to embed in the HTML report. Every text is
// escaped; every coordinate is a finite number with two decimals.
#include "strength_plot.h"

#include <string>
#include <string_view>

namespace mixora::trial {

struct SvgSize {
    double width = 480;
    double height = 320;
};

std::string StrengthPlotSvg(const StrengthPlot& plot, SvgSize size = {});

} // namespace mixora::trial
