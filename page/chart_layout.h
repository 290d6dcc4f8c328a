#pragma once
// A chart (chart.h) laid out into a rectangle of a page as the page's own strokes, markers and
// lines of text: the one geometry the paper, the window and the HTML report all draw.
#include "chart.h"
#include "laid_out_page.h"
#include "text_measurer.h"

namespace mixora::page {

// The text styles of a chart: its equation, and its labels and ticks.
inline constexpr TextStyle kChartEquationStyle = TextStyle::Body;
inline constexpr TextStyle kChartLabelStyle = TextStyle::Note;

// Appends the chart to `page`, everything within `area`: the equation and the axis titles, the
// axes with their ticks and a light grid, the measured points, the fitted line, the dashed
// target level and the chosen point with their labels. What the numbers cannot place (an axis
// with no span, a value that is not finite) is left out; an area too small for the axes gets
// only what fits of the texts.
void LayOutChart(const Chart& chart, const Rect& area, const TextMeasurer& measurer,
                 LaidOutPage& page);

} // namespace mixora::page
