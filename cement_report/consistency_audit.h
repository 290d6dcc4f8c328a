#pragma once
// Whether the results a sheet shows follow from the inputs it shows. A filled field is used as
// given on the next press (that is how a user overrides a step), so after a changed input a
// press may keep results of the old inputs. The audit runs the calculator itself on copies of
// the sheet, each with one result emptied (and the result frame), and compares each shown
// result with what the calculator writes from the texts its inputs show, at the shown value's
// precision; the formulas are never written a second time.
#include "design_snapshot.h"
#include "field.h"

#include <optional>
#include <string>
#include <vector>

namespace mixora::cement_report {

struct AuditFinding {
    calc::Field field;
    std::string expected; // the text the calculator writes for the field from the inputs

    friend bool operator==(const AuditFinding&, const AuditFinding&) = default;
};

struct ConsistencyAudit {
    std::vector<AuditFinding> findings; // the shown results that differ, in field order
    // The cement step found less than the minimum and took 260.
    bool cement_raised = false;

    const AuditFinding* Find(calc::Field field) const;
    bool consistent() const { return findings.empty(); }
};

// The audited results: the design steps' Text2, Text8, Text10, Text4 and the result frame
// Text11–14, Text30–33. A shown text that is empty or not a number, or a result the
// calculator cannot reach from the inputs, gives no finding.
ConsistencyAudit AuditConsistency(const document::DesignSnapshot& snapshot);

// What the row of a differing field says after its shown value:
// "给定值；按公式 fcu,k + 1.645σ 应为 43.23 MPa".
std::string GivenValueText(const AuditFinding& finding, const document::DesignSnapshot& snapshot);

} // namespace mixora::cement_report
