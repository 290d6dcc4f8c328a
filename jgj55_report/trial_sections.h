#pragma once
// The laboratory's trial on the JGJ 55-2011 report: an overview of the stages, then one section
// per stage, in order, each saying whether it is filled and, with the stage's method and clause,
// either its values as the stage computed them (what the laboratory recorded marked 给定, what
// was computed 自动 with its rule) or what it still lacks. A design that gives the trial no
// basis has one section saying why.
#include "jgj55_basis.h"
#include "report_info.h"
#include "report_page.h"
#include "special_tests.h"
#include "trial_entries.h"

#include <vector>

namespace mixora::jgj55_report {

// `info`: the header as the documents print it, whose admixture solid content takes the
// admixture's water off the production mix as the batch ticket does.
std::vector<page::Section> TrialSections(const trial::Jgj55Trial& trial,
                                         const trial::TrialEntries& entries,
                                         const report::ReportInfo& info = {});

// The records the design's special requirements ask of the trial, each with its check, under
// their table's header: the report's 特殊要求试验 and the batch ticket's 特殊要求 show them alike.
std::vector<page::Row> SpecialCheckRows(const trial::SpecialChecks& checks);

} // namespace mixora::jgj55_report
