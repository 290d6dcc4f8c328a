#pragma once
// The report of a design document, whatever its kind, as its window would show it: the one
// builder behind the window's report and `Mixora.exe --export`.
#include "design_document.h"
#include "report_info.h"
#include "report_model.h"

namespace mixora::session {

// The document must be one the reader accepted.
report::ReportPage DesignReport(const document::DesignDocument& document,
                                const report::ReportInfo& info);

} // namespace mixora::session
