#pragma once
// The report laid out on paper (report_layout.h) in the fonts the preview and the printer draw
// with, measured with GDI; and the laid-out page's types as the window layer names them.
#include "page_fonts.h"
#include "report_layout.h"

#include <vector>

namespace mixora::ui {

using report::LaidOutPage;
using report::PageBox;
using report::PageText;
using report::PaperSetup;

// As report::LayOutReport; one empty page when the system cannot make a context to measure on.
std::vector<LaidOutPage> LayOutReport(const report::ReportPage& report, const PaperSetup& paper,
                                      const PageFonts& fonts);

} // namespace mixora::ui
