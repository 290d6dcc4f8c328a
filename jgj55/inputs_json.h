#pragma once
// The inputs of a JGJ 55-2011 design as JSON, for whatever file holds them. A value the user
// gave (给定) is stored under "given"; one the design derives (自动) is absent there. Reading
// never throws: a value of the wrong type is named, and keys this version does not know are
// ignored; missing ones keep their defaults.
#include "inputs.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace mixora::jgj55 {

nlohmann::json InputsToJson(const Inputs& inputs);

struct InputsReading {
    std::optional<Inputs> inputs;
    std::string problem; // when there are none: "“slump”须为数字"
};
InputsReading InputsFromJson(const nlohmann::json& json);

// Whether this version reads `key` ("slump", "given" …), whether or not it writes it: a key it
// leaves out ("strength_results" when there are none) still reads when another program wrote it.
bool IsInputsKey(std::string_view key);

} // namespace mixora::jgj55
