#pragma once
// The advisory checks of a design against the limits of GB 50010-2010 表 3.5.3 and JGJ 55-2011
// 表 3.0.4 (standards/), compared digit for digit with the texts the sheet shows: the water–cement
// ratio (Text8), the strength grade (Text1, 30 meaning C30) and the cement content (Text4).
#include "conditions.h"
#include "design_snapshot.h"

#include <string>
#include <vector>

namespace mixora::cement_report {

enum class Verdict {
    Complies,      // 符合
    Fails,         // 不符合
    NotApplicable, // 不适用: the limit does not cover this mix (reason says why)
    CannotCheck,   // 无法校核: an input is missing or not a number (reason says which)
};

struct CheckLine {
    std::string item;   // what is checked: "最大水胶比"
    std::string value;  // the mix's value as shown: "0.52", "C20", "346.15 kg/m³"
    std::string limit;  // "≤ 0.60", "≥ C20", "≥ 300 kg/m³"; empty when there is none
    std::string source; // the standard, table and row: "GB 50010-2010 表 3.5.3，环境类别 一"
    Verdict verdict = Verdict::CannotCheck;
    std::string reason; // for NotApplicable and CannotCheck

    friend bool operator==(const CheckLine&, const CheckLine&) = default;
};

// The conclusion as the report writes it: "符合", "不符合", "不适用（…）", "无法校核（…）".
std::string ConclusionText(const CheckLine& line);

std::vector<CheckLine> RunChecks(const document::DesignSnapshot& snapshot,
                                 standards::EnvironmentClass environment,
                                 standards::StructureType structure);

} // namespace mixora::cement_report
