#include "strength_plot.h"

#include "trial_number.h"

#include <algorithm>
#include <cmath>

namespace mixora::trial {

namespace {

// 1, 2 or 5 × 10^k, the first not below raw.
double NiceStep(double raw, int& decimals) {
    const double exponent = std::floor(std::log10(raw));
    const double power = std::pow(10.0, exponent);
    const double fraction = raw / power;
    const double nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    const double step = nice * power;
    decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    return Round(step, decimals);
}

} // namespace

PlotAxis NiceAxis(double low, double high, int count, std::string title) {
    PlotAxis axis;
    axis.title = std::move(title);
    if (!(std::isfinite(low) && std::isfinite(high))) return axis;
    if (low > high) std::swap(low, high);
    const double size = std::max(1.0, std::max(std::fabs(low), std::fabs(high)));
    // A span below what the labels can tell apart is drawn as a tenth of the value's size.
    double span = high - low;
    if (span < 1e-6 * size) span = size / 10;
    const double margin = span * 0.05;
    const double step = NiceStep((span + 2 * margin) / std::clamp(count, 1, 20), axis.decimals);
    if (!(step > 0) || !std::isfinite(step)) return axis;
    const double first = std::floor((low - margin) / step);
    const double last = std::ceil((high + margin) / step);
    axis.min = Round(first * step, axis.decimals);
    axis.max = Round(last * step, axis.decimals);
    for (double k = first; k <= last + 0.5 && axis.ticks.size() < 64; ++k)
        axis.ticks.push_back(Round(k * step, axis.decimals));
    return axis;
}

StrengthPlot MakeStrengthPlot(const std::vector<PlotPoint>& points, const StrengthLine& line,
                              double target, double chosen_binder_water) {
    StrengthPlot plot;
    plot.points = points;
    plot.target = target;
    double x_low = chosen_binder_water, x_high = chosen_binder_water;
    for (const PlotPoint& p : points) {
        x_low = std::min(x_low, p.x);
        x_high = std::max(x_high, p.x);
    }
    plot.line_from = {x_low, line.at(x_low)};
    plot.line_to = {x_high, line.at(x_high)};
    plot.chosen = {chosen_binder_water, line.at(chosen_binder_water)};
    plot.equation = EquationText(line) + "，R² = " + Fixed(line.r_squared, 4);
    plot.target_label = "fcu,0 = " + Fixed(target, 1) + " MPa";
    plot.chosen_label = "B/W = " + Fixed(chosen_binder_water, 2);

    double y_low = std::min({target, plot.line_from.y, plot.line_to.y});
    double y_high = std::max({target, plot.line_from.y, plot.line_to.y});
    for (const PlotPoint& p : points) {
        y_low = std::min(y_low, p.y);
        y_high = std::max(y_high, p.y);
    }
    plot.x = NiceAxis(x_low, x_high, 5, "胶水比 B/W");
    plot.y = NiceAxis(y_low, y_high, 5, "抗压强度 f (MPa)");
    return plot;
}

} // namespace mixora::trial
