#pragma once
// The sections every design's report shares, from its header (report_info.h): 工程信息 first,
// the advisory checks' table, then 备注 and the lines to sign on, which close the report.
#include "report_info.h"
#include "report_page.h"

#include <string_view>
#include <vector>

namespace mixora::report {

// What a report says where a design has no result yet.
inline constexpr std::string_view kNoResult = "尚无计算结果";

// The project, client, part, number and date, with what the mix is for.
page::Section HeaderSection(const ReportInfo& info, EnvironmentClass environment,
                            StructureType structure);

// 校核: one table row per check (项目, 本配合比, 限值, 依据, 结论) and the note that the checks
// are advisory.
page::Section ChecksSection(std::vector<page::Row> checks);

page::Section RemarksSection(const ReportInfo& info);

// 试验, 审核 and the one who approves (批准, or 签发 for a batch ticket).
page::Section SignatureSection(const ReportInfo& info, std::string_view approver = "批准");

} // namespace mixora::report
