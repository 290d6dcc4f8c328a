#pragma once
// The report of a design document, whatever its kind, as its window would show it: the one
// builder behind the window's report and `Mixora.exe --export`.
#include "design_document.h"
#include "report_info.h"
#include "report_page.h"

#include <optional>

namespace mixora::session {

// The document must be one the reader accepted.
page::ReportPage DesignReport(const document::DesignDocument& document,
                              const report::ReportInfo& info);

// The batch ticket (配合比通知单) of a design that has a trial procedure; none for a cement-only
// design.
std::optional<page::ReportPage> BatchTicket(const document::DesignDocument& document,
                                            const report::ReportInfo& info);

} // namespace mixora::session
