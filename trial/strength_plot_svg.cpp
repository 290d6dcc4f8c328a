#include "strength_plot_svg.h"

#include "html_escape.h"

#include "trial_number.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace mixora::trial {

namespace {

// Room around the plot area for the tick labels and the axis titles.
constexpr double kLeft = 56, kRight = 16, kTop = 40, kBottom = 44;

// How each kind of mark looks, as presentation attributes: every SVG renderer (browsers, print
// drivers, converters) honours them, where some ignore a style sheet.
struct Look {
    std::string_view kind;
    std::string_view attributes;
};
constexpr std::array<Look, 6> kLooks = {{
    {"grid", "stroke=\"#c8c8c8\" stroke-width=\"1\""},
    {"axis", "stroke=\"#000\" stroke-width=\"1\""},
    {"fit", "stroke=\"#1f4e9a\" stroke-width=\"1.5\""},
    {"target", "stroke=\"#c00000\" stroke-width=\"1\" stroke-dasharray=\"6 3\""},
    {"point", "fill=\"#1f4e9a\""},
    {"chosen", "fill=\"#c00000\""},
}};

std::string Attributes(std::string_view kind) {
    for (const Look& look : kLooks)
        if (look.kind == kind)
            return " class=\"" + std::string(kind) + "\" " + std::string(look.attributes);
    return {};
}

class Canvas {
  public:
    Canvas(const StrengthPlot& plot, SvgSize size) : plot_(plot), size_(size) {}

    double X(double value) const {
        return kLeft + Share(value, plot_.x.min, plot_.x.max) * (size_.width - kLeft - kRight);
    }
    double Y(double value) const {
        return size_.height - kBottom -
               Share(value, plot_.y.min, plot_.y.max) * (size_.height - kTop - kBottom);
    }
    static std::string Number(double v) { return Fixed(std::isfinite(v) ? v : 0, 2); }

    void Line(double x1, double y1, double x2, double y2, std::string_view cls) {
        out_ += "<line" + Attributes(cls) + " x1=\"" + Number(x1) + "\" y1=\"" + Number(y1) +
                "\" x2=\"" + Number(x2) + "\" y2=\"" + Number(y2) + "\"/>\n";
    }
    void Text(double x, double y, std::string_view anchor, std::string_view text) {
        out_ += "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" text-anchor=\"" +
                std::string(anchor) + "\">" + report::EscapeHtml(text) + "</text>\n";
    }
    void Circle(double x, double y, double r, std::string_view cls) {
        out_ += "<circle" + Attributes(cls) + " cx=\"" + Number(x) + "\" cy=\"" + Number(y) +
                "\" r=\"" + Number(r) + "\"/>\n";
    }
    std::string& out() { return out_; }

  private:
    // Where value lies between low and high, 0 … 1 (clamped: nothing is drawn off the frame).
    static double Share(double value, double low, double high) {
        if (!(high > low) || !std::isfinite(value)) return 0;
        return std::clamp((value - low) / (high - low), 0.0, 1.0);
    }

    const StrengthPlot& plot_;
    SvgSize size_;
    std::string out_;
};

} // namespace

std::string StrengthPlotSvg(const StrengthPlot& plot, SvgSize size) {
    size.width = std::isfinite(size.width) ? std::max(size.width, kLeft + kRight + 40) : 480;
    size.height = std::isfinite(size.height) ? std::max(size.height, kTop + kBottom + 40) : 320;
    Canvas c(plot, size);
    const std::string w = Canvas::Number(size.width), h = Canvas::Number(size.height);
    std::string& out = c.out();
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
           "\" viewBox=\"0 0 " + w + " " + h + "\" font-size=\"11\">\n";
    out += "<title>" + report::EscapeHtml("抗压强度与胶水比：" + plot.equation) + "</title>\n";

    const double left = c.X(plot.x.min), right = c.X(plot.x.max);
    const double bottom = c.Y(plot.y.min), top = c.Y(plot.y.max);
    for (const double t : plot.x.ticks) {
        c.Line(c.X(t), bottom, c.X(t), top, "grid");
        c.Text(c.X(t), bottom + 14, "middle", Fixed(t, plot.x.decimals));
    }
    for (const double t : plot.y.ticks) {
        c.Line(left, c.Y(t), right, c.Y(t), "grid");
        c.Text(left - 4, c.Y(t) + 4, "end", Fixed(t, plot.y.decimals));
    }
    c.Line(left, bottom, right, bottom, "axis");
    c.Line(left, bottom, left, top, "axis");
    c.Text((left + right) / 2, size.height - 8, "middle", plot.x.title);
    c.Text(left, top - 8, "start", plot.y.title);

    c.Line(left, c.Y(plot.target), right, c.Y(plot.target), "target");
    c.Text(right, c.Y(plot.target) - 4, "end", plot.target_label);
    c.Line(c.X(plot.line_from.x), c.Y(plot.line_from.y), c.X(plot.line_to.x), c.Y(plot.line_to.y),
           "fit");
    for (const PlotPoint& p : plot.points)
        c.Circle(c.X(p.x), c.Y(p.y), 3.5, "point");
    c.Circle(c.X(plot.chosen.x), c.Y(plot.chosen.y), 4.5, "chosen");
    c.Text(c.X(plot.chosen.x) + 6, c.Y(plot.chosen.y) + 14, "start", plot.chosen_label);
    c.Text(size.width / 2, 16, "middle", plot.equation);
    out += "</svg>\n";
    return out;
}

} // namespace mixora::trial
