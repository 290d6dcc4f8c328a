#pragma once
// A JGJ 55-2011 design's state in its document: the inputs ("design", their special requirements
// in "requirements", absent when there are none) and the trial's entries ("trial"), read from a
// document and put into one.
#include "design_document.h"
#include "inputs.h"
#include "trial_entries.h"

#include <nlohmann/json.hpp>

#include <string>

namespace mixora::session {

struct Jgj55Content {
    jgj55::Inputs inputs;
    trial::TrialEntries trial;
    friend bool operator==(const Jgj55Content&, const Jgj55Content&) = default;
};

// What the document holds; the defaults for what it lacks (or for a document of another kind).
// The reader has checked every member, so what is there reads.
Jgj55Content Jgj55ContentOf(const document::DesignDocument& document);

// What is wrong with the first input of a JGJ 55-2011 design that does not read ("坍落度“1OO”
// 不是数字"), which the design and every report of it name instead of computing; empty when
// every input reads, and for a design of another kind.
std::string InputProblemOf(const document::DesignDocument& document);

// `base` holding `content`. A member that reads as its value now is kept exactly as it is (so a
// file another program wrote with other spellings or defaults left out does not count as
// changed), and so is a member the file left out while it would read as the defaults; otherwise
// its members of this version are replaced (one this version leaves out, such as an empty
// "strength_results", is removed) and the others kept, at every depth ("design.given",
// "trial.production" …).
document::DesignDocument WithJgj55Content(document::DesignDocument base,
                                          const Jgj55Content& content);

// The first text of the "design" or "trial" member that a window could not hold, named by its
// path ("“production.measured_at”的文本过长（超过 4096 个字符）", a NUL character); empty when
// there is none. Only the members this version reads are looked at.
std::string DesignTextProblem(const nlohmann::json& design);
std::string TrialTextProblem(const nlohmann::json& trial);

} // namespace mixora::session
