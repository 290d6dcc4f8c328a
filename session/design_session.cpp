#include "design_session.h"

#include "report_document.h"

#include <utility>

namespace mixora::session {

std::optional<report::ReportInfo> DesignSession::StoredReportInfo() const {
    return report::ReadStoredReportInfo(stored_).info;
}

std::string DesignSession::StoredReportInfoProblem() const {
    return report::ReadStoredReportInfo(stored_).problem;
}

bool DesignSession::IsModified(const document::DesignDocument& current) const {
    if (!path_) return false;
    return current != stored_ || (report_info_ && report_info_ != StoredReportInfo());
}

std::wstring DesignSession::Title(std::wstring_view program_title, bool modified) const {
    std::wstring title(program_title);
    if (path_) title += std::wstring(L" - ") + (modified ? L"*" : L"") + FileNameOf(*path_);
    return title;
}

report::ReportInfo DesignSession::report_info(std::string_view today) const {
    if (report_info_) return *report_info_;
    if (auto stored = StoredReportInfo()) return *stored;
    report::ReportInfo defaults;
    defaults.date = std::string(today);
    return defaults;
}

document::DesignDocument DesignSession::ToSave(document::DesignDocument current) const {
    return report_info_ ? report::WithReportInfo(std::move(current), *report_info_) : current;
}

void DesignSession::Opened(std::wstring path, document::DesignDocument document) {
    path_ = std::move(path);
    stored_ = std::move(document);
    report_info_.reset();
}

void DesignSession::Saved(std::wstring path, document::DesignDocument document) {
    path_ = std::move(path);
    stored_ = std::move(document);
    report_info_.reset(); // now the file's
}

void DesignSession::Adopted(document::DesignDocument document) {
    path_.reset();
    stored_ = std::move(document);
    report_info_.reset();
}

void DesignSession::Clear() {
    path_.reset();
    stored_ = {};
    report_info_.reset();
}

std::wstring FileNameOf(std::wstring_view path) {
    const size_t slash = path.find_last_of(L"\\/");
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

} // namespace mixora::session
