#pragma once
// The trial's entries as a JSON object, for the design file to keep. Reading never throws: a
// value of the wrong kind gives no entries and a Chinese reason naming its key.
#include "computed.h"
#include "trial_entries.h"

#include <nlohmann/json.hpp>

namespace mixora::trial {

nlohmann::json TrialEntriesToJson(const TrialEntries& entries);

// Missing keys keep their defaults and unknown keys are ignored; a number where a text is
// expected reads as the text of its value without an exponent (1e-7 as "0.0000001"), which the
// stage reads as that value.
Computed<TrialEntries> TrialEntriesFromJson(const nlohmann::json& object);

// Whether `key` is a member of the trial this version writes (some only when they hold
// something: "cast", "history").
bool IsTrialEntriesKey(std::string_view key);

} // namespace mixora::trial
