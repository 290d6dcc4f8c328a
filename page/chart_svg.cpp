#include "chart_svg.h"

#include "chart_layout.h"
#include "html_escape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace mixora::page {

namespace {

// The page fonts' sizes in tenths of a point, in the order of TextStyle.
constexpr std::array<int, kTextStyleCount> kTenthPoints = {160, 105, 90, 90, 85, 85, 80};

// A style's font size in tenths of a millimetre (254 to the inch of 72 points).
double FontSize(TextStyle style) {
    return kTenthPoints[static_cast<std::size_t>(style)] * 254.0 / 720.0;
}

bool IsBold(TextStyle style) {
    return style == TextStyle::Title || style == TextStyle::SectionTitle ||
           style == TextStyle::BodyBold || style == TextStyle::NoteBold;
}

// The browser measures the text itself; the layout only needs room for it: a Chinese character
// takes an em, anything else a little over half of one.
class EstimatingMeasurer final : public TextMeasurer {
  public:
    int Width(TextStyle style, std::wstring_view text) const override {
        double ems = 0;
        for (const wchar_t c : text)
            ems += c >= 0x2E80 ? 1.0 : 0.58;
        return static_cast<int>(std::ceil(ems * FontSize(style)));
    }
    int Height(TextStyle style) const override {
        return static_cast<int>(std::ceil(FontSize(style) * 1.3));
    }
};

std::string Number(int value) {
    return std::to_string(value);
}

std::string Hex(page::Colour c) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", c.red, c.green, c.blue);
    return text.data();
}

std::string Utf8(std::wstring_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<std::uint32_t>(text[i]);
        // A pair of UTF-16 surrogates where wchar_t has 16 bits.
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            const auto low = static_cast<std::uint32_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string LineSvg(const PageLine& line) {
    // The thinnest stroke is a fifth of a millimetre: a hairline would vanish when scaled down.
    const int width = std::max(line.width, 2);
    return "<line x1=\"" + Number(line.from.x) + "\" y1=\"" + Number(line.from.y) + "\" x2=\"" +
           Number(line.to.x) + "\" y2=\"" + Number(line.to.y) + "\" stroke=\"" + Hex(line.colour) +
           "\" stroke-width=\"" + Number(width) + "\"" +
           (line.dashed ? " stroke-dasharray=\"" + Number(PageLine::kDash) + " " +
                              Number(PageLine::kDashGap) + "\""
                        : std::string()) +
           "/>\n";
}

std::string MarkerSvg(const PageMarker& marker) {
    const std::string fill = " fill=\"" + Hex(marker.colour) + "\"/>\n";
    const int r = marker.radius;
    if (marker.shape == MarkerShape::Circle)
        return "<circle cx=\"" + Number(marker.centre.x) + "\" cy=\"" + Number(marker.centre.y) +
               "\" r=\"" + Number(r) + "\"" + fill;
    return "<rect x=\"" + Number(marker.centre.x - r) + "\" y=\"" + Number(marker.centre.y - r) +
           "\" width=\"" + Number(2 * r) + "\" height=\"" + Number(2 * r) + "\"" + fill;
}

std::string TextSvg(const PageText& text) {
    const double size = FontSize(text.style);
    int x = text.box.left;
    std::string anchor = "start";
    if (text.align == AlignCenter) {
        x = (text.box.left + text.box.right) / 2;
        anchor = "middle";
    } else if (text.align == AlignRight) {
        x = text.box.right;
        anchor = "end";
    }
    // The baseline: the line's leading above, then the font's ascent.
    const int baseline = text.box.top + static_cast<int>(std::lround(size));
    return "<text x=\"" + Number(x) + "\" y=\"" + Number(baseline) + "\" font-size=\"" +
           Number(static_cast<int>(std::lround(size))) + "\" text-anchor=\"" + anchor + "\"" +
           (IsBold(text.style) ? " font-weight=\"bold\"" : "") + ">" + EscapeHtml(Utf8(text.text)) +
           "</text>\n";
}

} // namespace

std::string ChartSvg(const Chart& chart, Size size) {
    size.cx = std::clamp(size.cx, 1, 10000);
    size.cy = std::clamp(size.cy, 1, 10000);
    LaidOutPage page;
    LayOutChart(chart, {0, 0, size.cx, size.cy}, EstimatingMeasurer(), page);

    const std::string w = Number(size.cx), h = Number(size.cy);
    const auto mm = [](int tenths) {
        return Number(tenths / 10) + "." + Number(tenths % 10) + "mm";
    };
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + mm(size.cx) +
                      "\" height=\"" + mm(size.cy) + "\" viewBox=\"0 0 " + w + " " + h +
                      "\" style=\"max-width:100%;height:auto\" role=\"img\">\n";
    std::string caption = chart.y.title;
    if (!chart.x.title.empty()) caption += (caption.empty() ? "" : " — ") + chart.x.title;
    if (!chart.equation.empty()) caption += (caption.empty() ? "" : "：") + chart.equation;
    svg += "<title>" + EscapeHtml(caption) + "</title>\n";
    for (const PageLine& line : page.lines)
        svg += LineSvg(line);
    for (const PageMarker& marker : page.markers)
        svg += MarkerSvg(marker);
    for (const PageText& text : page.texts)
        svg += TextSvg(text);
    return svg + "</svg>\n";
}

} // namespace mixora::page
