#pragma once
// A design's special requirements as JSON, the design file's member of their own. Only what
// differs from none is written; reading never throws (a value of the wrong type is named), keys
// this version does not know are ignored, missing ones read as none.
#include "requirements.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace mixora::jgj55 {

nlohmann::json RequirementsToJson(const Requirements& requirements);

struct RequirementsReading {
    std::optional<Requirements> requirements;
    std::string problem; // when there are none: "“pipe_bore”须为数字"
};
RequirementsReading RequirementsFromJson(const nlohmann::json& json);

bool IsRequirementsKey(std::string_view key);

} // namespace mixora::jgj55
