#pragma once
// The laboratory's trial on the report: one section per stage, in order, each saying whether it
// is filled and, with the stage's method and clause, either its values as the stage computed
// them (what the laboratory recorded marked 给定, what was computed 自动 with its rule) or what
// it still lacks; and the JGJ 55-2011 design report with those sections.
#include "inputs.h"
#include "report_info.h"
#include "report_page.h"
#include "result.h"
#include "trial_procedure.h"

#include <string>
#include <vector>

namespace mixora::trial {

// Whether the laboratory has recorded anything of the trial yet.
bool TrialStarted(const TrialEntries& entries);

// The trial of a JGJ 55-2011 design: the basis it rests on, or why the design gives none, and
// the record (all stages empty while there is no basis).
struct Jgj55Trial {
    Computed<DesignBasis> basis;
    TrialRecord record;
};
Jgj55Trial RunJgj55Trial(const jgj55::Inputs& inputs, const jgj55::Result& result,
                         const TrialEntries& entries);

// The overview of the stages, then one section per stage.
std::vector<page::Section> TrialSections(const DesignBasis& basis, const TrialRecord& record,
                                         const TrialEntries& entries);

// The design report with the trial's sections before its remarks and signatures (which close
// the whole report); exactly BuildJgj55Report while the trial has not been started.
page::ReportPage BuildJgj55ReportWithTrial(const jgj55::Inputs& inputs, const jgj55::Result& result,
                                           const TrialEntries& entries,
                                           const report::ReportInfo& info);

} // namespace mixora::trial
