#include "design_report.h"

#include "design.h"
#include "inputs_json.h"
#include "jgj55_report.h"

namespace mixora::session {

namespace {

jgj55::Inputs Jgj55InputsOf(const document::DesignDocument& document) {
    const nlohmann::json& content = document.content();
    if (const auto found = content.find("design"); found != content.end())
        if (auto reading = jgj55::InputsFromJson(*found); reading.inputs)
            return std::move(*reading.inputs);
    return {};
}

} // namespace

report::ReportPage DesignReport(const document::DesignDocument& document,
                                const report::ReportInfo& info) {
    switch (document.kind()) {
    case document::DesignKind::Jgj55: {
        const jgj55::Inputs inputs = Jgj55InputsOf(document);
        return report::BuildJgj55Report(inputs, jgj55::ComputeDesign(inputs), info);
    }
    case document::DesignKind::Cement: break;
    }
    return report::BuildReport(document.snapshot(), info);
}

} // namespace mixora::session
