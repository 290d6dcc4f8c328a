#pragma once
// The report of a design document, whatever its kind, as its window would show it: the one
// builder behind the window's report and `Mixora.exe --export`. The material records a JGJ
// 55-2011 design cites are given by the lab's layer, which reads them from the document
// (lab/material_values.h).
#include "cited_materials.h"
#include "design_document.h"
#include "report_info.h"
#include "report_page.h"

#include <optional>

namespace mixora::session {

// The document must be one the reader accepted.
page::ReportPage DesignReport(const document::DesignDocument& document,
                              const report::ReportInfo& info,
                              const jgj55_report::CitedMaterials& cited = {});

// The batch ticket (配合比通知单) of a design that has a trial procedure; none for a cement-only
// design.
std::optional<page::ReportPage> BatchTicket(const document::DesignDocument& document,
                                            const report::ReportInfo& info,
                                            const jgj55_report::CitedMaterials& cited = {});

} // namespace mixora::session
