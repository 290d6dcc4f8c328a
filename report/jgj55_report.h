#pragma once
// The report and the clipboard contents of a JGJ 55-2011 design, from its inputs and the
// result computed from them: each step with its values, where each comes from (自动 with its
// clause, or 给定), the mix per m³, the checks and the trial batch.
#include "inputs.h"
#include "report_info.h"
#include "report_model.h"
#include "result.h"

#include <string>

namespace mixora::report {

inline constexpr std::string_view kJgj55ReportTitle = "混凝土配合比设计报告（JGJ 55-2011）";

ReportPage BuildJgj55Report(const jgj55::Inputs& inputs, const jgj55::Result& result,
                            const ReportInfo& info);

// The trial batch of table 6.1.2 for the largest coarse aggregate size, in litres as written.
std::string Jgj55TrialLitres(jgj55::MaxSize size);

// 复制结果: tab-separated rows (名称, 数值, 单位, 来源) with CRLF line ends, and the same rows
// as the clipboard's "HTML Format".
std::string Jgj55ClipboardText(const jgj55::Result& result);
std::string Jgj55ClipboardHtml(const jgj55::Result& result);

} // namespace mixora::report
