#pragma once
// How the report names the sheet's fields: the terms of JGJ 55-2011 and GB 50010-2010 with
// their symbols and units, where the window keeps its own captions (field_catalog.h). And
// which inputs each calculation method reads, so the report lists only those.
#include "design_snapshot.h"
#include "field.h"

#include <string>
#include <string_view>
#include <vector>

namespace mixora::cement_report {

struct ReportTerm {
    std::string_view term; // "配制强度 fcu,0"
    std::string_view unit; // "MPa"; empty for ratios, coefficients and fractions
};

ReportTerm TermOf(calc::Field field);

// The strength grade as the standards write it: "C30" for a shown "30"; a text that is not a
// number stays as it is.
std::string GradeText(std::string_view shown);

// The inputs the report lists, in its order: those the design steps read, then those of the
// chosen method(s) and, when both are given, the moisture contents.
std::vector<calc::Field> ReadInputs(const document::DesignSnapshot& snapshot);

// The inputs that describe the design without entering the calculation, and the moisture
// contents when not both are given: listed when filled, named together in one "—" row when
// empty.
std::vector<calc::Field> OptionalInputs(const document::DesignSnapshot& snapshot);

} // namespace mixora::cement_report
