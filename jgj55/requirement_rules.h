#pragma once
// The rows of chapter 7's tables (and 表 3.0.6, 表 3.0.7) a design's requirements read, and the
// limits each requirement adds to the largest W/B and the least binder; the steps pick the one
// that governs and say which.
#include "inputs.h"

#include <optional>
#include <string>
#include <vector>

namespace mixora::jgj55 {

using standards::Limit;

const ImpermeableRow* ImpermeableRowFor(ImpermeabilityGrade grade);
const FrostRow* FrostRowFor(FrostGrade grade);
// The row of 表 7.3.2 a grade falls in; none below C60.
const HighStrengthRow* HighStrengthRowFor(int grade);
// The least ratio of pipe bore to coarse size for a pumping height (表 7.4.1), and the height's
// band as said: "泵送高度 50～100 m".
struct PumpRatio {
    Limit ratio;
    std::string band;
};
std::optional<PumpRatio> PumpRatioFor(CoarseKind coarse, double height_m);
// The row of 表 3.0.7 for a coarse size: the largest listed size not above it (sizes below the
// smallest take the smallest), so 31.5 mm reads the 25 mm row, the larger least air content.
const AirContentRow& AirContentRowFor(MaxSize size);
// The row of 表 3.0.6 proposed for an environment class.
ChlorideEnvironment ProposedChloride(EnvironmentClass environment);

// A limit a rule adds: its value as the standard writes it, and its source as shown, "抗渗
// 表 7.1.2（P8，C30 以上）". `problem` when the rule holds but has no value for the mix.
struct RuleLimit {
    Limit limit;
    std::string source;
};
struct RuleLimits {
    std::vector<RuleLimit> limits;
    std::string problem;
};
// The largest W/B of the requirements (chapter 7); GB 50010-2010's is the step's own.
RuleLimits RequirementMaxWaterBinder(const Inputs& inputs);
// The least binder of the requirements; 表 3.0.4's is the step's own.
std::vector<RuleLimit> RequirementMinBinder(const Inputs& inputs);
// The one that governs among `limits`: the smallest (largest when `least`); the first on a tie.
const RuleLimit* Governing(const std::vector<RuleLimit>& limits, bool least);
// What governed, and what else held: "抗渗 表 7.1.2（…）起控制作用；另有 …"; empty for one limit.
std::string GoverningNote(const std::vector<RuleLimit>& limits, const RuleLimit& governing,
                          std::string_view unit);

// The target air content when air-entrained: the given one, else 表 3.0.7's least for the
// exposure, else 7.1.4's lowest for an impermeable mix; with its source. None otherwise.
struct AirTarget {
    double percent;
    std::string source;
};
std::optional<AirTarget> TargetAirContent(const Inputs& inputs);

// A requirement's name with its grade: "抗渗 P8", "抗渗 P14", "抗冻 F200".
std::string ImpermeabilityName(const Requirements& requirements);
std::string FrostName(const Requirements& requirements);

} // namespace mixora::jgj55
