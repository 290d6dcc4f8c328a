#pragma once
// The inputs of a JGJ 55-2011 design as JSON, for whatever file holds them. A value the user
// gave (给定) is stored under "given"; one the design derives (自动) is absent there. A number
// input that does not read (Inputs::unread) is stored as the text the user typed, in its place.
// Reading never throws and decides as the window does (input_reading.h): a number outside its
// range, or a text that does not read, is kept in Inputs::unread; a grade that is not offered, a
// size the coarse kind does not offer, a value of the wrong type refuse the inputs, named. Keys
// this version does not know are ignored; missing ones keep their defaults.
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

} // namespace mixora::jgj55
