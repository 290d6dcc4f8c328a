#pragma once
// The batch ticket (配合比通知单) the laboratory issues to the plant: one page with the project,
// the strength grade and slump, the design mix per m³ (after the density correction when it
// applied), the day's aggregate moisture with when it was measured, the production mix per m³
// and per batch of the mixer, and the lines to sign. What is not yet known is said, never
// filled in. The material records the design cites are listed after its materials, with their
// cost (cited_materials.h).
#include "cited_materials.h"
#include "inputs.h"
#include "report_info.h"
#include "report_page.h"
#include "result.h"
#include "trial_entries.h"

#include <string_view>

namespace mixora::jgj55_report {

inline constexpr std::string_view kBatchTicketTitle = "混凝土配合比通知单";

page::ReportPage BuildBatchTicket(const jgj55::Inputs& inputs, const jgj55::Result& result,
                                  const trial::TrialEntries& entries,
                                  const report::ReportInfo& info, const CitedMaterials& cited = {});

} // namespace mixora::jgj55_report
