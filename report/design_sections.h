#pragma once
// The report's sections about the design itself, in the standard's terms: the warning that
// some results do not follow from the inputs, the basis of the method, the inputs the method
// reads and the intermediate results with what the audit found.
#include "consistency_audit.h"
#include "report_model.h"

namespace mixora::report {

// The opening warning; nothing when every result follows from the inputs.
std::optional<Section> AuditWarningSection(const ConsistencyAudit& audit);

Section BasisSection(const document::DesignSnapshot& snapshot);
Section InputSection(const document::DesignSnapshot& snapshot);
Section IntermediateSection(const document::DesignSnapshot& snapshot,
                            const ConsistencyAudit& audit);

// A shown result with what the audit found: the text alone, or "38.23 MPa（给定值；…）".
std::string AuditedText(const document::DesignSnapshot& snapshot, const ConsistencyAudit& audit,
                        calc::Field field, std::string_view unit);

} // namespace mixora::report
