#pragma once
// The report header as a JSON object, as the design file stores it under "extra"/"report".
#include "report_info.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

namespace mixora::report {

// A value of the stored header that cannot be read: what() says in Chinese what and where,
// key() is the JSON key ("" for the object itself).
class ReportInfoError : public std::runtime_error {
  public:
    ReportInfoError(std::string key, const std::string& message)
        : std::runtime_error(message), key_(std::move(key)) {}
    const std::string& key() const { return key_; }

  private:
    std::string key_;
};

nlohmann::json ReportInfoToJson(const ReportInfo& info);

// A missing key keeps its default and unknown keys are ignored; a value of the wrong type or
// outside its choices, or a text longer than document::kMaxDesignTextLength characters, throws
// ReportInfoError.
ReportInfo ReportInfoFromJson(const nlohmann::json& object);

} // namespace mixora::report
