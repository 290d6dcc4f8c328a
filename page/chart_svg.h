#pragma once
// A chart (chart.h) as an SVG element to embed in the HTML report, drawn from the same layout
// as the paper and the window (chart_layout.h). Every text is escaped; every coordinate is a
// whole number of tenths of a millimetre.
#include "chart.h"
#include "page_geometry.h"

#include <string>

namespace mixora::page {

// `size` in tenths of a millimetre: the element is that many millimetres wide and high (and
// narrower on a narrower screen, in proportion).
std::string ChartSvg(const Chart& chart, Size size = {1600, 850});

} // namespace mixora::page
