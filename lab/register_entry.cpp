#include "register_entry.h"

#include "choices.h"
#include "design_format.h"
#include "jgj55_content.h"
#include "report_document.h"
#include "report_terms.h"

#include <algorithm>
#include <utility>

namespace mixora::lab {

namespace {

using Json = nlohmann::json;

const Json* ExtraMember(const document::DesignDocument& document, const char* key) {
    const auto member = document.extra().find(key);
    return member != document.extra().end() && member->is_array() ? &*member : nullptr;
}

std::vector<store::MaterialCitation> CitationsOf(const document::DesignDocument& document) {
    std::vector<store::MaterialCitation> cited;
    if (const Json* materials = ExtraMember(document, "materials"))
        for (const Json& material : *materials) {
            if (!material.is_object()) continue;
            const auto record = material.find("record"), version = material.find("version");
            if (record == material.end() || version == material.end() ||
                !record->is_number_integer() || !version->is_number_integer())
                continue;
            cited.push_back({record->get<std::int64_t>(), version->get<std::int64_t>()});
        }
    return cited;
}

// A JGJ 55-2011 design's own requirements (named by jgj55::RequirementNames), then any other
// the file lists under "extra", each once.
std::vector<std::string> RequirementsOf(const document::DesignDocument& document) {
    std::vector<std::string> requirements;
    if (document.kind() == document::DesignKind::Jgj55) {
        const jgj55::Inputs inputs = session::Jgj55ContentOf(document).inputs;
        requirements = jgj55::RequirementNames(inputs.requirements, inputs.grade);
    }
    if (const Json* listed = ExtraMember(document, "requirements"))
        for (const Json& requirement : *listed)
            if (requirement.is_string() && !requirement.get_ref<const std::string&>().empty() &&
                std::find(requirements.begin(), requirements.end(), requirement) ==
                    requirements.end())
                requirements.push_back(requirement.get<std::string>());
    return requirements;
}

} // namespace

store::DesignEntry RegisterEntryOf(const document::DesignDocument& document, std::string bytes) {
    store::DesignEntry entry;
    entry.document = std::move(bytes);
    if (document.kind() == document::DesignKind::Jgj55) {
        entry.kind = document::kJgj55KindName;
        entry.grade = jgj55::GradeName(session::Jgj55ContentOf(document).inputs.grade);
    } else {
        entry.kind = "cement";
        entry.grade = cement_report::GradeText(document.snapshot().text(calc::Field::Text1));
    }
    if (const auto stored = report::ReadStoredReportInfo(document); stored.info)
        entry.project = stored.info->project;
    entry.materials = CitationsOf(document);
    entry.requirements = RequirementsOf(document);
    return entry;
}

} // namespace mixora::lab
