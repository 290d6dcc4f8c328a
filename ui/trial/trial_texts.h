#pragma once
// What the 试配与调整 dialog shows of a trial: the text of every computed control by its
// identifier, in the sheet's way of writing numbers (fixed decimals, "."), and each stage's
// line. A value a stage could not compute has no text.
#include "jgj55_basis.h"
#include "special_tests.h"
#include "trial_procedure.h"

#include <map>
#include <string>

namespace mixora::ui {

// The texts of the computed controls that have one; the others show nothing.
std::map<int, std::string> TrialTexts(const trial::Computed<trial::DesignBasis>& basis,
                                      const trial::TrialRecord& record,
                                      const trial::TrialEntries& entries);

// The earlier trials of the design, one paragraph each: the design they were made to, the mixes
// the cubes were made from and their strengths as entered.
std::string HistoryText(const trial::TrialEntries& entries);

// "符合：0.05 %；要求 ≤ 0.30 %（占水泥质量），JGJ 55-2011 表 3.0.6（…）": a record of
// 特殊要求试验 with its check.
std::string SpecialLine(const trial::SpecialCheck& check);

// "试拌：已填写", or the stage's name with what it lacks ("试拌配合比：实测坍落度未填写").
std::string StageLine(const trial::StageState& stage);

} // namespace mixora::ui
