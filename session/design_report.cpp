#include "design_report.h"

#include "batch_ticket.h"
#include "cement_report.h"
#include "design.h"
#include "jgj55_content.h"
#include "jgj55_report.h"

namespace mixora::session {

page::ReportPage DesignReport(const document::DesignDocument& document,
                              const report::ReportInfo& info,
                              const jgj55_report::CitedMaterials& cited) {
    switch (document.kind()) {
    case document::DesignKind::Jgj55: {
        const Jgj55Content content = Jgj55ContentOf(document);
        return jgj55_report::BuildJgj55Report(content.inputs, jgj55::ComputeDesign(content.inputs),
                                              content.trial, info, cited);
    }
    case document::DesignKind::Cement: break;
    }
    return cement_report::BuildReport(document.snapshot(), info);
}

std::optional<page::ReportPage> BatchTicket(const document::DesignDocument& document,
                                            const report::ReportInfo& info,
                                            const jgj55_report::CitedMaterials& cited) {
    if (document.kind() != document::DesignKind::Jgj55) return std::nullopt;
    const Jgj55Content content = Jgj55ContentOf(document);
    return jgj55_report::BuildBatchTicket(content.inputs, jgj55::ComputeDesign(content.inputs),
                                          content.trial, info, cited);
}

} // namespace mixora::session
