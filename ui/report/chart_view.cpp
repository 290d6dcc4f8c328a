#include "chart_view.h"

#include "chart_layout.h"
#include "gdi_text_measurer.h"
#include "page_draw.h"

namespace mixora::ui {

namespace {

constexpr int kInset = 15; // tenths of a millimetre

// The context's state from here to the end of the scope.
class scoped_dc_state {
  public:
    explicit scoped_dc_state(HDC dc) noexcept : dc_(dc), saved_(SaveDC(dc)) {}
    scoped_dc_state(const scoped_dc_state&) = delete;
    scoped_dc_state& operator=(const scoped_dc_state&) = delete;
    ~scoped_dc_state() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
    }
    explicit operator bool() const noexcept { return saved_ != 0; }

  private:
    HDC dc_;
    int saved_;
};

} // namespace

void DrawChart(HDC dc, const RECT& area, const page::Chart& chart, const PageFonts& fonts) {
    if (!dc || area.right <= area.left || area.bottom <= area.top) return;
    // Measured as the paper measures, so that the chart is laid out as it prints.
    base::unique_hdc measure = CreateMeasuringContext();
    if (!measure) return;
    const GdiTextMeasurer measurer(measure.get(), fonts);

    const scoped_dc_state state(dc);
    if (!state) return;
    const HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    if (white) FillRect(dc, &area, white);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    // Tenths of a millimetre at the screen's resolution, from the area's top left corner.
    const int dpi_x = GetDeviceCaps(dc, LOGPIXELSX), dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
    if (dpi_x <= 0 || dpi_y <= 0) return;
    MapPaper(dc, dpi_x, dpi_y, 100, {area.left, area.top});
    // A little white all round, as on paper.
    const page::Rect units{kInset, kInset,
                           MulDiv(area.right - area.left, kUnitsPerInch, dpi_x) - kInset,
                           MulDiv(area.bottom - area.top, kUnitsPerInch, dpi_y) - kInset};
    LaidOutPage page;
    page::LayOutChart(chart, units, measurer, page);
    DrawPage(dc, page, fonts);
}

void DrawChart(HDC dc, const RECT& area, const page::Chart& chart) {
    const PageFonts fonts;
    DrawChart(dc, area, chart, fonts);
}

} // namespace mixora::ui
