#pragma once
// What the trial rests on: JGJ 55-2011 第 6 章 and, for the cubes, GB/T 50081, whose numbers
// and clauses are standards/'s; here only the names the trial uses for them and the clauses as
// the trial cites them, with the standard's name ("JGJ 55-2011 第 6.1 节").
#include "gbt50081.h"
#include "jgj55_2011.h"

#include <string>
#include <string_view>

namespace mixora::trial {

namespace jgj55_2011 = standards::jgj55_2011;
namespace gbt50081 = standards::gbt50081;

using gbt50081::kSpecimenSizes;
using gbt50081::SpecimenSize;
using gbt50081::SpecimenSizeRow;

// A clause of JGJ 55-2011 as the trial cites it: "JGJ 55-2011 第 6.2 节".
inline std::string Jgj55Clause(std::string_view clause) {
    return standards::Cited(jgj55_2011::kName, clause);
}

// The cube rules are cited by the standard alone.
inline constexpr std::string_view kGroupClause = gbt50081::kName;

} // namespace mixora::trial
