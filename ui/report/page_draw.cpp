#include "page_draw.h"

#include "scoped_select.h"

#include <cmath>
#include <vector>

namespace mixora::ui {

namespace {

// The laid-out page's alignments are GDI's own flags.
static_assert(page::AlignLeft == TA_LEFT && page::AlignRight == TA_RIGHT &&
              page::AlignCenter == TA_CENTER);

constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kAlertInk = RGB(176, 0, 0);
constexpr COLORREF kFrameInk = RGB(119, 119, 119);

RECT ToRect(const page::Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

void DrawBoxes(HDC dc, const LaidOutPage& page) {
    base::unique_hpen pen(CreatePen(PS_SOLID, 1, kFrameInk));
    if (!pen) return;
    base::scoped_select select_pen(dc, pen.get());
    for (const PageBox& box : page.boxes) {
        const RECT r = ToRect(box.box);
        if (box.fill) {
            base::unique_hbrush brush(
                CreateSolidBrush(RGB(box.fill->red, box.fill->green, box.fill->blue)));
            if (brush) FillRect(dc, &r, brush.get());
        }
        if (!box.framed) continue;
        const POINT corners[] = {{r.left, r.top},
                                 {r.right, r.top},
                                 {r.right, r.bottom},
                                 {r.left, r.bottom},
                                 {r.left, r.top}};
        Polyline(dc, corners, 5);
    }
}

// A rule is at least one device pixel thick: at a small zoom a line to sign on would otherwise
// map to no pixel at all.
void DrawRules(HDC dc, const LaidOutPage& page) {
    base::unique_hbrush ink(CreateSolidBrush(kInk));
    if (!ink) return;
    std::vector<RECT> device;
    for (const page::Rect& rule : page.rules) {
        POINT corners[2] = {{rule.left, rule.top}, {rule.right, rule.bottom}};
        if (!LPtoDP(dc, corners, 2)) return;
        RECT r{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
        if (r.bottom <= r.top) r.bottom = r.top + 1;
        if (r.right <= r.left) r.right = r.left + 1;
        device.push_back(r);
    }
    const int saved = SaveDC(dc);
    if (saved == 0) return;
    SetMapMode(dc, MM_TEXT);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    for (const RECT& r : device)
        FillRect(dc, &r, ink.get());
    RestoreDC(dc, saved);
}

COLORREF ToColorref(page::Colour c) {
    return RGB(c.red, c.green, c.blue);
}

// A dashed line as short solid strokes, so that its dashes have the same length on paper and
// on screen whatever the pen's width.
void DrawDashes(HDC dc, const page::PageLine& line) {
    const double dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) return;
    const auto at = [&](double along) {
        return POINT{line.from.x + static_cast<LONG>(std::lround(dx * along / length)),
                     line.from.y + static_cast<LONG>(std::lround(dy * along / length))};
    };
    for (double start = 0; start < length;
         start += page::PageLine::kDash + page::PageLine::kDashGap) {
        const POINT dash[2] = {at(start), at(std::min(start + page::PageLine::kDash, length))};
        Polyline(dc, dash, 2);
    }
}

void DrawLines(HDC dc, const LaidOutPage& page) {
    for (const page::PageLine& line : page.lines) {
        base::unique_hpen pen(CreatePen(PS_SOLID, line.width, ToColorref(line.colour)));
        if (!pen) continue;
        base::scoped_select select_pen(dc, pen.get());
        if (line.dashed) {
            DrawDashes(dc, line);
            continue;
        }
        const POINT ends[2] = {{line.from.x, line.from.y}, {line.to.x, line.to.y}};
        Polyline(dc, ends, 2);
    }
}

void DrawMarkers(HDC dc, const LaidOutPage& page) {
    for (const page::PageMarker& marker : page.markers) {
        base::unique_hpen pen(CreatePen(PS_SOLID, 0, ToColorref(marker.colour)));
        base::unique_hbrush brush(CreateSolidBrush(ToColorref(marker.colour)));
        if (!pen || !brush) continue;
        base::scoped_select select_pen(dc, pen.get());
        base::scoped_select select_brush(dc, brush.get());
        const int r = marker.radius;
        const page::Point c = marker.centre;
        if (marker.shape == page::MarkerShape::Circle)
            Ellipse(dc, c.x - r, c.y - r, c.x + r, c.y + r);
        else
            Rectangle(dc, c.x - r, c.y - r, c.x + r, c.y + r);
    }
}

void DrawTexts(HDC dc, const LaidOutPage& page, const PageFonts& fonts) {
    SetBkMode(dc, TRANSPARENT);
    for (const PageText& line : page.texts) {
        HFONT font = fonts.get(line.style);
        if (!font || line.text.empty()) continue;
        base::scoped_select select_font(dc, font);
        SetTextColor(dc, line.alert ? kAlertInk : kInk);
        SetTextAlign(dc, line.align | TA_TOP | TA_NOUPDATECP);
        const RECT box = ToRect(line.box);
        int x = box.left;
        if (line.align == page::AlignCenter) x = (box.left + box.right) / 2;
        if (line.align == page::AlignRight) x = box.right;
        ExtTextOutW(dc, x, box.top, ETO_CLIPPED, &box, line.text.c_str(),
                    static_cast<UINT>(line.text.size()), nullptr);
    }
}

} // namespace

void MapPaper(HDC dc, int pixels_per_inch_x, int pixels_per_inch_y, int zoom_percent,
              POINT origin) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kUnitsPerInch * 100, kUnitsPerInch * 100, nullptr);
    SetViewportExtEx(dc, pixels_per_inch_x * zoom_percent, pixels_per_inch_y * zoom_percent,
                     nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

void DrawPage(HDC dc, const LaidOutPage& page, const PageFonts& fonts) {
    if (!dc) return;
    DrawBoxes(dc, page);
    DrawRules(dc, page);
    DrawLines(dc, page);
    DrawMarkers(dc, page);
    DrawTexts(dc, page, fonts);
}

base::unique_hdc CreateMeasuringContext() {
    base::unique_hdc dc(CreateCompatibleDC(nullptr));
    if (dc) MapPaper(dc.get(), 600, 600, 100, {0, 0});
    return dc;
}

} // namespace mixora::ui
