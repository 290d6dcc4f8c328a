#pragma once
// The report page of report_page.h laid out on sheets of paper: the same sections and rows the
// HTML report shows, as the boxes, rules and lines of text of laid_out_page.h, measured by the
// drawer that will draw them.
#include "laid_out_page.h"
#include "paper_setup.h"
#include "report_page.h"
#include "text_measurer.h"

#include <string>
#include <vector>

namespace mixora::page {

// One page at least; a page break falls between rows, never inside one (a row taller than a
// page is cut short with an ellipsis). Every page ends with its label, PageLabel.
std::vector<LaidOutPage> LayOutReport(const ReportPage& report, const PaperSetup& paper,
                                      const TextMeasurer& measurer);

// "第 1 页，共 2 页": page `number` (from 1) of `count`.
std::wstring PageLabel(int number, int count);

} // namespace mixora::page
