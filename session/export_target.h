#pragma once
// Where and as what 导出 writes the report: the name it suggests and the format a chosen file
// name asks for.
#include <optional>
#include <string>
#include <string_view>

namespace mixora::session {

enum class ExportKind { Csv, Html };

// The name a file is saved under decides its format (.csv, .html, .htm, in any case); the
// chosen file type only when the name says none.
ExportKind ExportKindFor(std::wstring_view path, ExportKind chosen_type);
// The format the name asks for; none when it names neither.
std::optional<ExportKind> ExportKindOfName(std::wstring_view path);

// The design file's path without its extension, or the report's name for a sheet without one.
std::wstring SuggestedExportName(const std::optional<std::wstring>& design_path);

} // namespace mixora::session
