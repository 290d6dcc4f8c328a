#pragma once
// The report header kept in a design document, under "extra": {"report": {…}}.
#include "design_document.h"
#include "report_info.h"

#include <optional>
#include <string>

namespace mixora::report {

struct StoredReportInfo {
    std::optional<ReportInfo> info; // none when the document has none, or one that cannot be read
    std::string problem;            // why it cannot be read (Chinese, naming the key); else empty
};

StoredReportInfo ReadStoredReportInfo(const document::DesignDocument& document);

// The document with this header stored; keys of the stored header this version does not know,
// and everything else in "extra", are kept.
document::DesignDocument WithReportInfo(document::DesignDocument document, const ReportInfo& info);

} // namespace mixora::report
