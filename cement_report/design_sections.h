#pragma once
// The report's sections about the design itself, in the standard's terms: the warning that
// some results do not follow from the inputs, the basis of the method, the inputs the method
// reads and the intermediate results with what the audit found.
#include "consistency_audit.h"
#include "report_page.h"

#include <optional>
#include <string>
#include <string_view>

namespace mixora::cement_report {

// The opening warning; nothing when every result follows from the inputs.
std::optional<page::Section> AuditWarningSection(const ConsistencyAudit& audit);

page::Section BasisSection(const document::DesignSnapshot& snapshot);
page::Section InputSection(const document::DesignSnapshot& snapshot);
page::Section IntermediateSection(const document::DesignSnapshot& snapshot,
                                  const ConsistencyAudit& audit);

// A shown result with what the audit found: the text alone, or "38.23 MPa（给定值；…）".
std::string AuditedText(const document::DesignSnapshot& snapshot, const ConsistencyAudit& audit,
                        calc::Field field, std::string_view unit);

} // namespace mixora::cement_report
