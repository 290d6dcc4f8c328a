#pragma once
// The report laid out on paper (report_layout.h) in the fonts the preview and the printer draw
// with, measured with GDI; and the laid-out page's types as the window layer names them.
#include "page_fonts.h"
#include "report_layout.h"

#include <vector>

namespace mixora::ui {

using page::LaidOutPage;
using page::PageBox;
using page::PageText;
using page::PaperSetup;

// As page::LayOutReport; one empty page when the system cannot make a context to measure on.
std::vector<LaidOutPage> LayOutReport(const page::ReportPage& report, const PaperSetup& paper,
                                      const PageFonts& fonts);

} // namespace mixora::ui
