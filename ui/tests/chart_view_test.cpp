// The chart drawn with GDI into memory contexts: in a window's rectangle (DrawChart) ink lands
// inside the rectangle and nowhere else, the fitted line and the points show where the layout
// puts them, and the context is given back as it was; on a report page the chart prints within
// the margins.
#include "chart_layout.h"
#include "chart_view.h"
#include "gdi_text_measurer.h"
#include "page_draw.h"
#include "scoped_select.h"

#include "../../page/tests/sample_chart.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace mixora::ui {
namespace {

constexpr std::uint32_t kBackground = 0x00336699; // not white, not any ink of the chart

// A 32-bit bitmap selected into a memory context, filled with kBackground.
class Canvas {
  public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        select_ = std::make_unique<base::scoped_select>(dc_.get(), bitmap_.get());
        for (int i = 0; i < width * height; ++i)
            static_cast<std::uint32_t*>(bits_)[i] = kBackground;
    }
    ~Canvas() { select_.reset(); }

    bool ok() const { return dc_ && bitmap_ && bits_; }
    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t At(int x, int y) const {
        GdiFlush();
        return static_cast<const std::uint32_t*>(bits_)[y * width_ + x] & 0xFFFFFF;
    }

  private:
    int width_, height_;
    base::unique_hdc dc_{CreateCompatibleDC(nullptr)};
    base::unique_hbitmap bitmap_;
    void* bits_ = nullptr;
    std::unique_ptr<base::scoped_select> select_;
};

bool Dark(std::uint32_t pixel) {
    const auto r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return r + g + b < 3 * 110;
}

// Whether a dark pixel lies within a pixel of (x, y).
bool DarkNear(const Canvas& canvas, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (Dark(canvas.At(x + dx, y + dy))) return true;
    return false;
}

TEST(ChartViewTest, DrawsWithinItsRectangleWhereTheLayoutSays) {
    Canvas canvas(700, 480);
    ASSERT_TRUE(canvas.ok());
    const RECT area{60, 40, 660, 440};
    const page::Chart chart = page::SampleChart();
    const PageFonts fonts;
    DrawChart(canvas.dc(), area, chart, fonts);

    int ink = 0, outside = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const bool in = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            const std::uint32_t pixel = canvas.At(x, y);
            if (!in && pixel != kBackground) ++outside;
            if (in && pixel != 0xFFFFFF) ++ink;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(ink, 3000);

    // The fitted line's middle and the points, where the same layout puts them.
    base::unique_hdc measure = CreateMeasuringContext();
    ASSERT_TRUE(measure);
    const GdiTextMeasurer measurer(measure.get(), fonts);
    const int dpi = GetDeviceCaps(canvas.dc(), LOGPIXELSX);
    const auto px = [&](int units, int origin) {
        return origin + MulDiv(units, dpi, kUnitsPerInch);
    };
    page::LaidOutPage page;
    page::LayOutChart(chart,
                      {15, 15, MulDiv(area.right - area.left, kUnitsPerInch, dpi) - 15,
                       MulDiv(area.bottom - area.top, kUnitsPerInch, dpi) - 15},
                      measurer, page);
    int fitted = 0;
    for (const page::PageLine& line : page.lines)
        if (line.width == 5) {
            ++fitted;
            const int x = px((line.from.x + line.to.x) / 2, area.left);
            const int y = px((line.from.y + line.to.y) / 2, area.top);
            EXPECT_TRUE(DarkNear(canvas, x, y)) << x << "," << y;
        }
    EXPECT_EQ(fitted, 1);
    ASSERT_EQ(page.markers.size(), 4u);
    const page::PageMarker& point = page.markers[0];
    EXPECT_EQ(canvas.At(px(point.centre.x, area.left), px(point.centre.y, area.top)), 0x1F4E9Au);
    const page::PageMarker& chosen = page.markers[3];
    EXPECT_EQ(canvas.At(px(chosen.centre.x, area.left), px(chosen.centre.y, area.top)), 0xC00000u);

    // The context as it was: unmapped, unclipped.
    EXPECT_EQ(GetMapMode(canvas.dc()), MM_TEXT);
    base::unique_hrgn clip(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetClipRgn(canvas.dc(), clip.get()), 0);
}

TEST(ChartViewTest, ADegenerateChartOrATinyRectangleDrawsNothingOutside) {
    Canvas canvas(200, 200);
    ASSERT_TRUE(canvas.ok());
    page::Chart flat = page::SampleChart();
    flat.x.max = flat.x.min;
    flat.target = std::numeric_limits<double>::quiet_NaN();
    DrawChart(canvas.dc(), {10, 10, 190, 120}, flat);
    DrawChart(canvas.dc(), {20, 150, 26, 156}, page::SampleChart());
    DrawChart(canvas.dc(), {100, 180, 90, 170}, page::SampleChart()); // inside out: nothing
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const bool in = (x >= 10 && x < 190 && y >= 10 && y < 120) ||
                            (x >= 20 && x < 26 && y >= 150 && y < 156);
            if (!in) {
                EXPECT_EQ(canvas.At(x, y), kBackground) << x << "," << y;
            }
        }
}

TEST(ChartViewTest, ThePrintedPageDrawsTheSectionsChartWithinItsMargins) {
    page::Section section{"试配", {{page::RowKind::KeyValue, {"胶水比", "2.11"}}}};
    section.chart = page::SampleChart();
    const PaperSetup paper;
    const PageFonts fonts;
    const std::vector<LaidOutPage> pages = LayOutReport({"报告", {section}}, paper, fonts);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].markers.size(), 4u);

    constexpr int kDpi = 100;
    const auto px = [](int units) { return MulDiv(units, kDpi, kUnitsPerInch); };
    Canvas canvas(px(paper.paper.cx), px(paper.paper.cy));
    ASSERT_TRUE(canvas.ok());
    PatBlt(canvas.dc(), 0, 0, canvas.width(), canvas.height(), WHITENESS);
    MapPaper(canvas.dc(), kDpi, kDpi, 100, {0, 0});
    DrawPage(canvas.dc(), pages[0], fonts);
    for (const page::PageMarker& marker : pages[0].markers)
        EXPECT_NE(canvas.At(px(marker.centre.x), px(marker.centre.y)), 0xFFFFFFu);
    int outside = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.At(x, y) != 0xFFFFFF &&
                (x < px(paper.content.left) - 1 || x > px(paper.content.right) + 1 ||
                 y < px(paper.content.top) - 1 || y > px(paper.content.bottom) + 1))
                ++outside;
    EXPECT_EQ(outside, 0);
}

} // namespace
} // namespace mixora::ui
