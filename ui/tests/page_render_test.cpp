// The report's GDI pages drawn into a memory context at a printer's resolution: every page has
// ink, nothing lies outside the margins, and every line of text fits its box.
#include "design_window_fixture.h"
#include "page_draw.h"
#include "cement_report.h"
#include "scoped_select.h"
#include "utf.h"
#include "window_sheet.h"

#include <string>

namespace mixora::ui::testing {
namespace {

constexpr int kDpi = 150;

int ToPixels(int units) {
    return MulDiv(units, kDpi, kUnitsPerInch);
}

// One page drawn on white at kDpi; the pixels as 0x00RRGGBB, top row first.
struct RenderedPage {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    bool Ink(int x, int y) const {
        return (pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF) != 0xFFFFFF;
    }
};

RenderedPage Render(const LaidOutPage& page, const PaperSetup& paper, const PageFonts& fonts) {
    RenderedPage out;
    out.width = ToPixels(paper.paper.cx);
    out.height = ToPixels(paper.paper.cy);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = out.width;
    info.bmiHeader.biHeight = -out.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    base::unique_hdc dc(CreateCompatibleDC(nullptr));
    base::unique_hbitmap bitmap(
        CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap) return out;
    base::scoped_select select(dc.get(), bitmap.get());
    PatBlt(dc.get(), 0, 0, out.width, out.height, WHITENESS);
    MapPaper(dc.get(), kDpi, kDpi, 100, {0, 0});
    DrawPage(dc.get(), page, fonts);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    out.pixels.assign(first, first + out.width * out.height);
    return out;
}

class PageRenderTest : public DesignWindowTest {
  protected:
    page::ReportPage PressedReport(std::string remarks = {}) {
        PressCalculate();
        WindowSheet sheet([this](int id) { return Control(id); });
        report::ReportInfo info = window->report_info();
        info.remarks = std::move(remarks);
        info.project = "某住宅楼工程（二期）";
        return cement_report::BuildReport(document::TakeSnapshot(sheet), info);
    }

    // Checks every page; the number of pages.
    size_t CheckPages(const page::ReportPage& report) {
        const PaperSetup paper;
        const PageFonts fonts;
        const std::vector<LaidOutPage> pages = LayOutReport(report, paper, fonts);
        base::unique_hdc measure = CreateMeasuringContext();
        for (size_t p = 0; p < pages.size(); ++p) {
            const LaidOutPage& page = pages[p];
            SCOPED_TRACE("page " + std::to_string(p + 1));
            // Every line within the margins and as wide as its box at most.
            for (const PageText& line : page.texts) {
                EXPECT_GE(line.box.left, paper.content.left);
                EXPECT_LE(line.box.right, paper.content.right);
                EXPECT_GE(line.box.top, paper.content.top);
                EXPECT_LE(line.box.bottom, paper.content.bottom);
                base::scoped_select font(measure.get(), fonts.get(line.style));
                SIZE size{};
                GetTextExtentPoint32W(measure.get(), line.text.c_str(),
                                      static_cast<int>(line.text.size()), &size);
                EXPECT_LE(size.cx, line.box.right - line.box.left) << Narrow(line.text);
            }
            const std::wstring number = L"第 " + std::to_wstring(p + 1) + L" 页，共 " +
                                        std::to_wstring(pages.size()) + L" 页";
            EXPECT_EQ(page.texts.back().text, number);

            // Ink on the page, none in the margins (a pixel of rounding allowed).
            const RenderedPage picture = Render(page, paper, fonts);
            EXPECT_FALSE(picture.pixels.empty());
            const RECT inside{ToPixels(paper.content.left) - 1, ToPixels(paper.content.top) - 1,
                              ToPixels(paper.content.right) + 1,
                              ToPixels(paper.content.bottom) + 1};
            int ink = 0, outside = 0;
            for (int y = 0; y < picture.height; ++y)
                for (int x = 0; x < picture.width; ++x) {
                    if (!picture.Ink(x, y)) continue;
                    ++ink;
                    if (x < inside.left || x >= inside.right || y < inside.top ||
                        y >= inside.bottom)
                        ++outside;
                }
            EXPECT_GT(ink, 5000);
            EXPECT_EQ(outside, 0);
        }
        return pages.size();
    }
};

TEST_F(PageRenderTest, TheReportOfAPressFitsOneA4SheetWithinItsMargins) {
    const page::ReportPage report = PressedReport();
    EXPECT_EQ(CheckPages(report), 1u);
    // The title leads the page, centred.
    const PaperSetup paper;
    const std::vector<LaidOutPage> pages = LayOutReport(report, paper, PageFonts());
    const PageText& title = pages[0].texts.front();
    EXPECT_EQ(title.text, Widen(cement_report::kReportTitle));
    EXPECT_EQ(title.align, static_cast<UINT>(TA_CENTER));
    EXPECT_EQ(title.box.top, paper.content.top);
}

TEST_F(PageRenderTest, LongRemarksAndTextsWrapOntoFurtherPages) {
    std::string remarks;
    for (int i = 0; i < 60; ++i)
        remarks += "第" + std::to_string(i + 1) +
                   "条：混凝土浇筑后应及时覆盖保湿养护，养护时间不少于七天（Portland cement, "
                   "curing at 20 °C）。\n";
    remarks += std::string(3000, 'W'); // one word wider than a line, broken where it must be
    EXPECT_GE(CheckPages(PressedReport(remarks)), 3u);
}

// At the preview's smaller zooms a line to sign on (0.3 mm) is under a pixel: it still shows.
TEST(PageRules, ARuleThinnerThanAPixelStillLeavesInk) {
    constexpr int kWidth = 640, kHeight = 900;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    base::unique_hdc dc(CreateCompatibleDC(nullptr));
    base::unique_hbitmap bitmap(
        CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(dc && bitmap);
    base::scoped_select select(dc.get(), bitmap.get());
    PatBlt(dc.get(), 0, 0, kWidth, kHeight, WHITENESS);
    LaidOutPage page;
    for (int top = 1000; top < 2000; top += 97)
        page.rules.push_back({200, top, 1200, top + 3});
    for (const int zoom : {50, 75}) {
        MapPaper(dc.get(), 96, 96, zoom, {0, 0});
        DrawPage(dc.get(), page, PageFonts{});
    }
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (const int zoom : {50, 75})
        for (const auto& rule : page.rules) {
            const int x = MulDiv((rule.left + rule.right) / 2, 96 * zoom, kUnitsPerInch * 100);
            const int y = MulDiv(rule.top, 96 * zoom, kUnitsPerInch * 100);
            bool ink = false;
            for (int dy = -1; dy <= 1; ++dy)
                ink = ink ||
                      (pixels[static_cast<size_t>((y + dy) * kWidth + x)] & 0xFFFFFF) != 0xFFFFFF;
            EXPECT_TRUE(ink) << "zoom " << zoom << " rule at " << rule.top;
        }
}

} // namespace
} // namespace mixora::ui::testing
