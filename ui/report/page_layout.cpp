#include "page_layout.h"

#include "gdi_text_measurer.h"
#include "page_draw.h"

namespace mixora::ui {

std::vector<LaidOutPage> LayOutReport(const page::ReportPage& report, const PaperSetup& paper,
                                      const PageFonts& fonts) {
    base::unique_hdc measure = CreateMeasuringContext();
    if (!measure) return {LaidOutPage{}};
    const GdiTextMeasurer measurer(measure.get(), fonts);
    return page::LayOutReport(report, paper, measurer);
}

} // namespace mixora::ui
