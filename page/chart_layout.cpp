#include "chart_layout.h"

#include "double_text.h"
#include "wide_text.h"

#include <algorithm>
#include <cmath>

namespace mixora::page {

namespace {

// Lengths in tenths of a millimetre.
constexpr int kTick = 12;         // a tick mark, outside the axis
constexpr int kGap = 10;          // between a label and what it names
constexpr int kAxisWidth = 3;     // the axes
constexpr int kFitWidth = 5;      // the fitted line
constexpr int kTargetWidth = 3;   // the target level
constexpr int kPointRadius = 11;  // a measured point
constexpr int kChosenRadius = 14; // the chosen point
constexpr int kMinPlot = 2 * kGap;

constexpr Colour kInk{0, 0, 0};
constexpr Colour kGridInk{200, 200, 200};
constexpr Colour kGuideInk{120, 120, 120};
constexpr Colour kPointInk{31, 78, 154};
constexpr Colour kTargetInk{192, 0, 0};

bool Finite(ChartPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// An axis the numbers can place values on: finite ends, a span, and one that is finite too.
bool Usable(const ChartAxis& axis) {
    return std::isfinite(axis.min) && std::isfinite(axis.max) && axis.max > axis.min &&
           std::isfinite(axis.max - axis.min);
}

// An axis over a stretch of the page: `from` where the axis has its min, `to` its max.
struct Scale {
    const ChartAxis& axis;
    int from, to;

    bool Holds(double value) const {
        const double slack = (axis.max - axis.min) * 1e-9;
        return std::isfinite(value) && value >= axis.min - slack && value <= axis.max + slack;
    }
    // Clamped to the axis's ends: nothing is placed off the plot.
    int At(double value) const {
        const double share = std::clamp((value - axis.min) / (axis.max - axis.min), 0.0, 1.0);
        return from + static_cast<int>(std::lround(share * (to - from)));
    }
};

// The part of the segment a–b within [x0, x1] × [y0, y1] (Liang–Barsky); false when none is.
bool Clip(ChartPoint& a, ChartPoint& b, const ChartAxis& x, const ChartAxis& y) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    double t0 = 0, t1 = 1;
    const auto edge = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double r = q / p;
        if (p < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!(edge(-dx, a.x - x.min) && edge(dx, x.max - a.x) && edge(-dy, a.y - y.min) &&
          edge(dy, y.max - a.y)))
        return false;
    const ChartPoint start = a;
    a = {start.x + t0 * dx, start.y + t0 * dy};
    b = {start.x + t1 * dx, start.y + t1 * dy};
    return true;
}

// A tick is a round number at its axis's decimals (chart.h): written with them, never "-0".
std::wstring TickText(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 6);
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0.0;
    return WideText(calc::FixedText(value, decimals));
}

class ChartLayouter {
  public:
    ChartLayouter(const Chart& chart, const Rect& area, const TextMeasurer& measurer,
                  LaidOutPage& page)
        : chart_(chart), area_(area), measurer_(measurer), page_(page),
          label_height_(std::max(measurer.Height(kChartLabelStyle), 1)) {}

    void Run() {
        if (area_.width() <= 0 || area_.height() <= 0) return;
        const int top = Headings();
        const Rect plot = PlotArea(top);
        if (plot.width() < kMinPlot || plot.height() < kMinPlot) return;
        const bool x_usable = Usable(chart_.x), y_usable = Usable(chart_.y);
        const Scale x{chart_.x, plot.left, plot.right}, y{chart_.y, plot.bottom, plot.top};
        if (x_usable) XTicks(plot, x);
        if (y_usable) YTicks(plot, y);
        Line({plot.left, plot.bottom}, {plot.right, plot.bottom}, kAxisWidth, kInk);
        Line({plot.left, plot.bottom}, {plot.left, plot.top}, kAxisWidth, kInk);
        Label({plot.left, XTitleTop(plot), plot.right, XTitleTop(plot) + label_height_},
              WideText(chart_.x.title), AlignCenter);
        if (!x_usable || !y_usable) return;
        Target(plot, y);
        FittedLine(x, y);
        for (const ChartPoint& p : chart_.points)
            if (Finite(p))
                page_.markers.push_back(
                    {{x.At(p.x), y.At(p.y)}, kPointRadius, kPointInk, MarkerShape::Circle});
        Chosen(plot, x, y);
    }

  private:
    // With room to spare: a screen's small fonts run wider than the paper's measure.
    int Width(TextStyle style, const std::wstring& text) const {
        if (text.empty()) return 0;
        const int measured = measurer_.Width(style, text);
        return measured + measured / 8 + 4;
    }

    // A line of text within the chart's area: moved into it, cut to it when wider.
    void Text(Rect box, TextStyle style, std::wstring text, TextAlign align) {
        if (text.empty()) return;
        const auto fit = [](int& low, int& high, int area_low, int area_high) {
            if (high - low > area_high - area_low) {
                low = area_low;
                high = area_high;
            } else if (low < area_low) {
                high += area_low - low;
                low = area_low;
            } else if (high > area_high) {
                low -= high - area_high;
                high = area_high;
            }
        };
        fit(box.left, box.right, area_.left, area_.right);
        fit(box.top, box.bottom, area_.top, area_.bottom);
        page_.texts.push_back({box, style, std::move(text), align, false});
    }
    void Label(Rect box, std::wstring text, TextAlign align) {
        Text(box, kChartLabelStyle, std::move(text), align);
    }

    void Line(Point from, Point to, int width, Colour colour, bool dashed = false) {
        page_.lines.push_back({from, to, width, colour, dashed});
    }

    // The equation and the y axis's title above the plot: on one line when both fit, else the
    // equation first, centred. The top of what follows.
    int Headings() {
        const std::wstring equation = WideText(chart_.equation), title = WideText(chart_.y.title);
        const int equation_height = std::max(measurer_.Height(kChartEquationStyle), 1);
        const int equation_width = Width(kChartEquationStyle, equation);
        const int title_width = Width(kChartLabelStyle, title);
        int top = area_.top;
        if (!equation.empty() && !title.empty() &&
            title_width + 3 * kGap + equation_width <= area_.width()) {
            const int height = std::max(equation_height, label_height_);
            Label(
                {area_.left, top + height - label_height_, area_.left + title_width, top + height},
                title, AlignLeft);
            // Set from its left at the measured width from the right edge: a printer whose font
            // runs wider than the measure then spends the spare room, where text anchored at
            // the right edge would be cut there.
            Text({area_.right - equation_width, top, area_.right, top + equation_height},
                 kChartEquationStyle, equation, AlignLeft);
            return top + height;
        }
        if (!equation.empty()) {
            Text({area_.left, top, area_.right, top + equation_height}, kChartEquationStyle,
                 equation, AlignCenter);
            top += equation_height;
        }
        if (!title.empty()) {
            Label({area_.left, top, area_.left + title_width, top + label_height_}, title,
                  AlignLeft);
            top += label_height_;
        }
        return top;
    }

    static bool OnAxis(const ChartAxis& axis, double tick) {
        return Usable(axis) && Scale{axis, 0, 1}.Holds(tick);
    }

    // Room for the tick labels on the left and below, for the chosen point's marker all round.
    Rect PlotArea(int top) const {
        int widest_y = 0, widest_x = 0;
        for (const double tick : chart_.y.ticks)
            if (OnAxis(chart_.y, tick))
                widest_y =
                    std::max(widest_y, Width(kChartLabelStyle, TickText(tick, chart_.y.decimals)));
        for (const double tick : chart_.x.ticks)
            if (OnAxis(chart_.x, tick))
                widest_x =
                    std::max(widest_x, Width(kChartLabelStyle, TickText(tick, chart_.x.decimals)));
        const int left = std::max(widest_y + kTick + kGap / 2, kChosenRadius + 1);
        const int right = std::max(widest_x / 2, kChosenRadius + 1) + kGap / 2;
        const int below = kTick + kGap / 2 + label_height_ +
                          (chart_.x.title.empty() ? 0 : kGap / 2 + label_height_);
        const int above = std::max(label_height_ / 2, kChosenRadius + 1) + kGap / 2;
        return {area_.left + left, top + above, area_.right - right, area_.bottom - below};
    }

    int XTitleTop(const Rect& plot) const {
        return plot.bottom + kTick + kGap / 2 + label_height_ + kGap / 2;
    }

    void XTicks(const Rect& plot, const Scale& x) {
        for (const double tick : chart_.x.ticks) {
            if (!x.Holds(tick)) continue;
            const int at = x.At(tick);
            Line({at, plot.top}, {at, plot.bottom}, 0, kGridInk);
            Line({at, plot.bottom}, {at, plot.bottom + kTick}, kAxisWidth, kInk);
            std::wstring text = TickText(tick, chart_.x.decimals);
            const int half = Width(kChartLabelStyle, text) / 2 + 1;
            const int label_top = plot.bottom + kTick + kGap / 2;
            Label({at - half, label_top, at + half, label_top + label_height_}, std::move(text),
                  AlignCenter);
        }
    }

    void YTicks(const Rect& plot, const Scale& y) {
        for (const double tick : chart_.y.ticks) {
            if (!y.Holds(tick)) continue;
            const int at = y.At(tick);
            Line({plot.left, at}, {plot.right, at}, 0, kGridInk);
            Line({plot.left - kTick, at}, {plot.left, at}, kAxisWidth, kInk);
            const int label_top = at - label_height_ / 2;
            Label({area_.left, label_top, plot.left - kTick - kGap / 2, label_top + label_height_},
                  TickText(tick, chart_.y.decimals), AlignRight);
        }
    }

    // Across the plot, dashed, labelled at its right end above it (below when at the top).
    void Target(const Rect& plot, const Scale& y) {
        if (!y.Holds(chart_.target)) return;
        const int at = y.At(chart_.target);
        Line({plot.left, at}, {plot.right, at}, kTargetWidth, kTargetInk, true);
        int label_top = at - kGap / 2 - label_height_;
        if (label_top < plot.top) label_top = at + kGap / 2;
        Label({plot.left, label_top, plot.right - kGap / 2, label_top + label_height_},
              WideText(chart_.target_label), AlignRight);
    }

    void FittedLine(const Scale& x, const Scale& y) {
        ChartPoint from = chart_.line_from, to = chart_.line_to;
        if (!Finite(from) || !Finite(to) || !Clip(from, to, chart_.x, chart_.y)) return;
        Line({x.At(from.x), y.At(from.y)}, {x.At(to.x), y.At(to.y)}, kFitWidth, kInk);
    }

    // A square on the line with a dashed guide down to the x axis, labelled below and to its
    // right (to its left near the right edge, above it near the bottom).
    void Chosen(const Rect& plot, const Scale& x, const Scale& y) {
        if (!Finite(chart_.chosen)) return;
        const Point at{x.At(chart_.chosen.x), y.At(chart_.chosen.y)};
        if (at.y < plot.bottom) Line(at, {at.x, plot.bottom}, 0, kGuideInk, true);
        page_.markers.push_back({at, kChosenRadius, kTargetInk, MarkerShape::Square});
        std::wstring text = WideText(chart_.chosen_label);
        const int width = Width(kChartLabelStyle, text);
        const int offset = kChosenRadius + kGap / 2;
        int top = at.y + offset / 2;
        if (top + label_height_ > plot.bottom) top = at.y - offset / 2 - label_height_;
        if (at.x + offset + width <= plot.right)
            Label({at.x + offset, top, at.x + offset + width, top + label_height_}, std::move(text),
                  AlignLeft);
        else
            Label({at.x - offset - width, top, at.x - offset, top + label_height_}, std::move(text),
                  AlignRight);
    }

    const Chart& chart_;
    const Rect area_;
    const TextMeasurer& measurer_;
    LaidOutPage& page_;
    const int label_height_;
};

} // namespace

void LayOutChart(const Chart& chart, const Rect& area, const TextMeasurer& measurer,
                 LaidOutPage& page) {
    ChartLayouter(chart, area, measurer, page).Run();
}

} // namespace mixora::page
