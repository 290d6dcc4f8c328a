#pragma once
// The report's and the batch ticket's part of a design's special requirements: on the report a
// section of its own (what was required, what the design advises, what the trial must do), on
// the ticket one line naming them. Nothing when the design has none.
#include "inputs.h"
#include "report_page.h"

#include <optional>
#include <string>

namespace mixora::jgj55_report {

std::optional<page::Section> RequirementsSection(const jgj55::Inputs& inputs);

// "泵送、抗渗 P8", or empty without requirements.
std::string RequirementsLine(const jgj55::Inputs& inputs);

} // namespace mixora::jgj55_report
