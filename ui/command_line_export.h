#pragma once
// `Mixora.exe --export DESIGN OUT`: the report of a design file written as OUT's extension says
// (.html or .csv), without a window, for scripts and batch reports.
#include <string>
#include <vector>

namespace mixora::ui {

inline constexpr const wchar_t* kExportOption = L"--export";

struct ExportOutcome {
    int exit_code = 0;   // 0 written, 1 not
    std::wstring reason; // why not, in Chinese
};

// arguments: the command line after the program's name, starting with kExportOption.
ExportOutcome ExportDesignReport(const std::vector<std::wstring>& arguments);

// Runs the export and says why it failed on standard error; the process's exit code.
int ExportFromCommandLine(const std::vector<std::wstring>& arguments);

} // namespace mixora::ui
