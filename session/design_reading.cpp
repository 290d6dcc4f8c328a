#include "design_reading.h"

#include "inputs_json.h"
#include "jgj55_content.h"
#include "requirements_json.h"
#include "trial_json.h"

#include <optional>
#include <string>

namespace mixora::session {

namespace {

using Json = nlohmann::json;

std::string DesignProblem(const Json& design) {
    if (std::string problem = DesignTextProblem(design); !problem.empty()) return problem;
    jgj55::InputsReading reading = jgj55::InputsFromJson(design);
    return reading.inputs ? std::string{} : std::move(reading.problem);
}

std::string RequirementsProblem(const Json& requirements) {
    jgj55::RequirementsReading reading = jgj55::RequirementsFromJson(requirements);
    return reading.requirements ? std::string{} : std::move(reading.problem);
}

std::string TrialProblem(const Json& trial) {
    if (std::string problem = TrialTextProblem(trial); !problem.empty()) return problem;
    auto reading = trial::TrialEntriesFromJson(trial);
    if (reading.value) return {};
    return reading.missing.empty() ? "无法读取" : std::move(reading.missing.front());
}

std::optional<document::DocumentError> Jgj55Problem(const document::DesignDocument& document) {
    const Json& content = document.content();
    struct Member {
        const char* key;
        std::string (*problem_of)(const Json&);
    };
    for (const auto& [key, problem_of] :
         {Member{"design", DesignProblem}, Member{"requirements", RequirementsProblem},
          Member{"trial", TrialProblem}}) {
        const auto member = content.find(key);
        if (member == content.end()) continue;
        if (std::string problem = problem_of(*member); !problem.empty())
            return document::DocumentError{document::DocumentErrorKind::BadContent, key, 0, 0,
                                           std::move(problem)};
    }
    return std::nullopt;
}

} // namespace

document::ReadResult ReadDesignDocument(std::string_view bytes) {
    document::ReadResult read = document::ReadDesign(bytes);
    const auto* document = std::get_if<document::DesignDocument>(&read);
    if (document && document->kind() == document::DesignKind::Jgj55)
        if (auto problem = Jgj55Problem(*document)) return std::move(*problem);
    return read;
}

} // namespace mixora::session
