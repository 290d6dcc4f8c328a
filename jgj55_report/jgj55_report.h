#pragma once
// The report of a JGJ 55-2011 design as a page (page/report_page.h), built in one pass from its
// inputs, the result computed from them, the laboratory's trial entries and the report header:
// each step with its values and where each comes from (自动 with its clause, or 给定), the mix
// per m³, the trial batch and the checks; once the trial has started, its stages
// (trial_sections.h); then the remarks and the lines to sign on. The material records it cites
// are listed after its materials, with their cost (cited_materials.h).
#include "cited_materials.h"
#include "inputs.h"
#include "report_info.h"
#include "report_page.h"
#include "result.h"
#include "trial_entries.h"

#include <string>
#include <string_view>

namespace mixora::jgj55_report {

inline constexpr std::string_view kJgj55ReportTitle = "混凝土配合比设计报告（JGJ 55-2011）";

page::ReportPage BuildJgj55Report(const jgj55::Inputs& inputs, const jgj55::Result& result,
                                  const trial::TrialEntries& entries,
                                  const report::ReportInfo& info, const CitedMaterials& cited = {});

// The trial batch of table 6.1.2 for the largest coarse aggregate size, in litres as written.
std::string Jgj55TrialLitres(jgj55::MaxSize size);

// Where a value comes from, as the report and 复制结果 say it: "自动（表 4.0.2（≤ C45））",
// "给定", "无法计算：等待 fb（…）".
std::string SourceText(const jgj55::Parameter& parameter);

} // namespace mixora::jgj55_report
