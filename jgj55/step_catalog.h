#pragma once
// The steps of the design in their order, with the formula each applies and its source, as
// the report lists them.
#include "result.h"

#include <string>
#include <vector>

namespace mixora::jgj55 {

struct StepInfo {
    int number;                       // 1 …
    std::string title;                // "配制强度"
    std::string formula;              // "fcu,0 = fcu,k + 1.645σ（< C60）；…"
    std::string source;               // "第 4.0.1 条，式 4.0.1-1、4.0.1-2"
    std::vector<Quantity> quantities; // what the step derives
};

std::vector<StepInfo> DesignSteps();

} // namespace mixora::jgj55
