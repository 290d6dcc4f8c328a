#pragma once
// The design report of the cement-only sheet as a page (page/report_page.h), built in one pass
// from the sheet's snapshot and the report header: the texts as the sheet shows them, each
// result audited against its inputs, the trial batch and the checks.
#include "design_snapshot.h"
#include "report_info.h"
#include "report_page.h"

#include <string>

namespace mixora::cement_report {

inline constexpr std::string_view kReportTitle = "混凝土配合比设计报告";

// The report of a design: the sheet's texts as shown, the header, the trial batch and the
// checks. Builds for any snapshot, whatever its texts. A frame whose amounts make no mix
// (calc/mix_soundness.h) is never shown as a mix: a warning heads the page saying why.
page::ReportPage BuildReport(const document::DesignSnapshot& snapshot,
                             const report::ReportInfo& info);

// The text of a toggle group as the sheet shows it: "体积法", "卵石、碎石", "" when none is on.
std::string MethodText(const document::DesignSnapshot& snapshot);
std::string AggregateText(const document::DesignSnapshot& snapshot);
std::string SandText(const document::DesignSnapshot& snapshot);

} // namespace mixora::cement_report
