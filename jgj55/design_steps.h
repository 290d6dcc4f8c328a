#pragma once
// The steps of a design in their order; each reads the inputs and what earlier steps wrote,
// and writes its quantities (or why it cannot).
#include "gb50010_2010.h"
#include "inputs.h"
#include "result.h"

#include <optional>
#include <string>
#include <string_view>

namespace mixora::jgj55 {

void DeriveTargetStrength(const Inputs& inputs, Result& result);  // steps 1–2
void DeriveBinderStrength(const Inputs& inputs, Result& result);  // steps 3–5
void DeriveWaterBinder(const Inputs& inputs, Result& result);     // step 6
void DeriveWater(const Inputs& inputs, Result& result);           // step 7
void DeriveContents(const Inputs& inputs, Result& result);        // step 8
void DeriveSandRatio(const Inputs& inputs, Result& result);       // step 9
void DeriveAggregateMasses(const Inputs& inputs, Result& result); // step 10
void DeriveMixSummary(Result& result);                            // step 11
void RunChecks(const Inputs& inputs, Result& result);             // step 12
void CheckRequirements(const Inputs& inputs, Result& result);     // step 12, chapter 7

// The durability limits of GB 50010-2010 表 3.5.3 for an environment class, and the table as
// the design cites it: "GB 50010-2010 表 3.5.3".
const standards::gb50010_2010::EnvironmentRow* DurabilityRowFor(EnvironmentClass environment);
std::string DurabilitySource();

// A value proposed from the middle of 表 7.3.2's range: the table, the range from `low` to
// `high` as the standard writes them and "应经试配确定", with the unit after the range.
std::string TrialRangeSource(const standards::Limit& low, const standards::Limit& high,
                             std::string_view unit);

// Why a grade cannot be designed: "强度等级 C33 不在 C15～C80（级差 5）之中".
std::string GradeReason(int grade);
// Why a share of the binder is refused, or empty when it is a number from 0 up to below 100.
std::string ShareProblem(std::string_view what, double share);
// Why a slump is refused, or empty when it is a number not below 0.
std::string SlumpProblem(double slump);
// The W/B that a table read by slump (5.2.1-2, 5.4.2) starts from; nothing, after saying on
// `quantity` why, for a refused slump, one under the tables' least or no W/B yet. `give` names
// what the user must give instead ("βs", "用水量").
std::optional<double> TableWaterBinder(const Inputs& inputs, Result& result, Quantity quantity,
                                       std::string_view give);

} // namespace mixora::jgj55
