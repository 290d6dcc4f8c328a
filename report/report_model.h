#pragma once
// The design report of the cement-only sheet as a page (page/report_page.h).
#include "design_snapshot.h"
#include "report_info.h"
#include "report_page.h"

#include <string>

namespace mixora::report {

using page::ReportPage;
using page::Row;
using page::RowKind;
using page::Section;

inline constexpr std::string_view kReportTitle = "混凝土配合比设计报告";
inline constexpr std::string_view kNoResult = "尚无计算结果";

// The report of a design: the sheet's texts as shown, the header, the trial batch and the
// checks. Builds for any snapshot, whatever its texts. A frame whose amounts make no mix
// (calc/mix_soundness.h) is never shown as a mix: a warning heads the page saying why.
ReportPage BuildReport(const document::DesignSnapshot& snapshot, const ReportInfo& info);

// The text of a toggle group as the sheet shows it: "体积法", "卵石、碎石", "" when none is on.
std::string MethodText(const document::DesignSnapshot& snapshot);
std::string AggregateText(const document::DesignSnapshot& snapshot);
std::string SandText(const document::DesignSnapshot& snapshot);

} // namespace mixora::report
