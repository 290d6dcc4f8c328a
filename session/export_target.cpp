#include "export_target.h"

#include <algorithm>

namespace mixora::session {

namespace {

// Extensions are ASCII: compare them without case, as the file system does.
bool EndsWithNoCase(std::wstring_view text, std::wstring_view end) {
    if (text.size() < end.size()) return false;
    const std::wstring_view tail = text.substr(text.size() - end.size());
    return std::equal(tail.begin(), tail.end(), end.begin(), [](wchar_t a, wchar_t b) {
        const auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
        return lower(a) == lower(b);
    });
}

} // namespace

std::optional<ExportKind> ExportKindOfName(std::wstring_view path) {
    if (EndsWithNoCase(path, L".csv")) return ExportKind::Csv;
    if (EndsWithNoCase(path, L".html") || EndsWithNoCase(path, L".htm")) return ExportKind::Html;
    return std::nullopt;
}

ExportKind ExportKindFor(std::wstring_view path, ExportKind chosen_type) {
    return ExportKindOfName(path).value_or(chosen_type);
}

std::wstring SuggestedExportName(const std::optional<std::wstring>& design_path) {
    if (!design_path) return L"配合比设计报告";
    const std::wstring& design = *design_path;
    const size_t slash = design.find_last_of(L"\\/");
    const size_t dot = design.rfind(L'.');
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash))
        return design.substr(0, dot);
    return design;
}

} // namespace mixora::session
