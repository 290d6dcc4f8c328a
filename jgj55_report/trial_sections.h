#pragma once
// The laboratory's trial on the JGJ 55-2011 report: an overview of the stages, then one section
// per stage, in order, each saying whether it is filled and, with the stage's method and clause,
// either its values as the stage computed them (what the laboratory recorded marked 给定, what
// was computed 自动 with its rule) or what it still lacks. A design that gives the trial no
// basis has one section saying why.
#include "jgj55_basis.h"
#include "report_page.h"
#include "trial_entries.h"

#include <vector>

namespace mixora::jgj55_report {

std::vector<page::Section> TrialSections(const trial::Jgj55Trial& trial,
                                         const trial::TrialEntries& entries);

} // namespace mixora::jgj55_report
