#include "report_document.h"

#include "report_info_json.h"

namespace mixora::report {

namespace {
constexpr const char* kReportKey = "report";
} // namespace

StoredReportInfo ReadStoredReportInfo(const document::DesignDocument& document) {
    const nlohmann::json& extra = document.extra();
    const auto found = extra.find(kReportKey);
    if (found == extra.end()) return {};
    try {
        return {ReportInfoFromJson(*found), {}};
    } catch (const ReportInfoError& error) {
        return {std::nullopt, error.what()};
    }
}

document::DesignDocument WithReportInfo(document::DesignDocument document, const ReportInfo& info) {
    nlohmann::json extra = document.extra();
    nlohmann::json& stored = extra[kReportKey];
    if (!stored.is_object()) stored = nlohmann::json::object();
    stored.update(ReportInfoToJson(info));
    document.set_extra(std::move(extra));
    return document;
}

} // namespace mixora::report
