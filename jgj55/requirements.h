#pragma once
// The special requirements of an order (JGJ 55-2011 chapter 7), in any combination: what the
// user chooses, and what the design reads from them: the governing largest W/B and least
// binder, the rows of the chapter's tables, the names the register files a design under.
#include "conditions.h"
#include "input_ranges.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::jgj55 {

using standards::AirExposure;
using standards::ChlorideEnvironment;
using standards::FrostGrade;
using standards::ImpermeabilityGrade;

struct Requirements {
    bool pumped = false;
    std::optional<double> pump_height; // m
    std::optional<double> pipe_bore;   // mm
    ImpermeabilityGrade impermeability = ImpermeabilityGrade::None;
    std::optional<double> impermeability_value; // P above 12: 14 for P14
    FrostGrade frost = FrostGrade::None;
    std::optional<double> frost_value; // F150 and above: 200 for F200
    bool air_entrained = false;        // 掺引气剂
    AirExposure air_exposure = AirExposure::None;
    std::optional<double> air_content;           // the target air content, %, when given
    bool mass = false;                           // 大体积
    std::optional<ChlorideEnvironment> chloride; // absent: proposed from the environment

    friend bool operator==(const Requirements&, const Requirements&) = default;
};

// The names a design is filed and filtered under: "泵送", "抗渗 P8", "抗冻 F100", "大体积",
// "高强" (from the grade); empty without any.
std::vector<std::string> RequirementNames(const Requirements& requirements, int grade);

// What the trial must do or allow for under the requirements, each with its clause:
// "第 7.1.3 条：抗渗试验压力 Pt ≥ P/10 + 0.2 = 1.0 MPa（P8），记录试验结果".
struct Inputs;
std::vector<std::string> RequirementTrialNotes(const Inputs& inputs);
// What the design advises without checking ("第 7.2.1 条：F100 及以上宜掺引气剂").
std::vector<std::string> RequirementAdvice(const Inputs& inputs);

// The numbers of the requirements: the key in the file's member, how a message names it and
// where the requirements hold it. One that does not read is kept as typed in Inputs::unread
// under its UnreadKey, as every number of the design is.
struct RequirementNumber {
    std::string_view key; // "pump_height"
    std::string_view caption;
    std::optional<double> Requirements::*member;
    const InputRange* range;
};
std::span<const RequirementNumber> RequirementNumbers();
const RequirementNumber* FindRequirementNumber(std::string_view key);
std::string UnreadKey(const RequirementNumber& number); // "requirements.pump_height"
// `text` put into the requirements: its value when it reads and lies in its range (empty:
// none), else kept in `unread` (Inputs::unread) and the number none. A number a file holds is
// put as its exact text, so that one outside its range is kept and refused the same way.
void PutRequirementNumber(Requirements& requirements,
                          std::map<std::string, std::string, std::less<>>& unread,
                          const RequirementNumber& number, std::string_view text);
// What is wrong with `text` as `number`: not a number, or outside its range; empty when it reads.
std::string RequirementProblem(const RequirementNumber& number, std::string_view text);
// What is wrong with the first requirement number that does not read; empty when all read.
std::string FirstRequirementProblem(const std::map<std::string, std::string, std::less<>>& unread);

// From C60 (and an offered grade) the high-strength rules of 7.3 hold.
bool IsHighStrength(int grade);

} // namespace mixora::jgj55
