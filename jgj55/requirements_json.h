#pragma once
// A design's special requirements as JSON, the design file's member of their own. Only what
// differs from none is written; reading never throws (a value of the wrong type is named), keys
// this version does not know are ignored, missing ones read as none.
#include "requirements.h"

#include <nlohmann/json.hpp>

#include <map>
#include <optional>
#include <string>

namespace mixora::jgj55 {

// Inputs::unread's texts of the requirement numbers, under their UnreadKey.
using Unread = std::map<std::string, std::string, std::less<>>;

// A number in `unread` is written as its text, in its place.
nlohmann::json RequirementsToJson(const Requirements& requirements, const Unread& unread = {});

struct RequirementsReading {
    std::optional<Requirements> requirements;
    std::string problem; // when there are none: "“pipe_bore”须为数字"
    Unread unread;       // a number written as a text: kept as it is, for Inputs::unread
};
RequirementsReading RequirementsFromJson(const nlohmann::json& json);

} // namespace mixora::jgj55
