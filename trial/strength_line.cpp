#include "strength_line.h"

#include "trial_number.h"

namespace mixora::trial {

Computed<StrengthLine> FitLine(const std::vector<PlotPoint>& points) {
    if (points.size() < 2)
        return Computed<StrengthLine>::Lacking("有效强度组少于 2 组（现有 " +
                                               std::to_string(points.size()) +
                                               " 组），无法回归强度与胶水比的关系");
    const double n = static_cast<double>(points.size());
    double mean_x = 0, mean_y = 0;
    for (const PlotPoint& p : points) {
        mean_x += p.x / n;
        mean_y += p.y / n;
    }
    double sxx = 0, sxy = 0, syy = 0;
    for (const PlotPoint& p : points) {
        sxx += (p.x - mean_x) * (p.x - mean_x);
        sxy += (p.x - mean_x) * (p.y - mean_y);
        syy += (p.y - mean_y) * (p.y - mean_y);
    }
    if (!Exceeds(sxx, 0)) return Computed<StrengthLine>::Lacking("各有效组的胶水比相同，无法回归");
    const double slope = sxy / sxx;
    StrengthLine line;
    line.slope = Round(slope, 2);
    line.intercept = Round(mean_y - slope * mean_x, 2);
    // R² = 1 − SSres ÷ SStot of the least-squares line, which is Sxy² ÷ (Sxx·Syy).
    line.r_squared = syy > 0 ? Round(sxy * sxy / (sxx * syy), 4) : 0;
    return Computed<StrengthLine>::Of(line);
}

std::string EquationText(const StrengthLine& line) {
    const std::string sign = line.intercept < 0 ? " − " : " + ";
    return "f = " + Fixed(line.slope, 2) + "·(B/W)" + sign +
           Fixed(line.intercept < 0 ? -line.intercept : line.intercept, 2);
}

} // namespace mixora::trial
