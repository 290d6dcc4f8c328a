#pragma once
// The program's faces without a window, for scripts and batch reports: `Mixora.exe --export
// DESIGN OUT`, the report of a design file written as OUT's extension says (.html or .csv); and
// the lab database's commands (`--register`, `--list` … of lab/lab_command_line.h), run with
// what Windows gives them: the settings, the files, the console.
#include "recent_store.h"

#include <string>
#include <vector>

namespace mixora::ui {

inline constexpr const wchar_t* kExportOption = L"--export";
// Mixora.exe --new jgj55: the program opens on a new JGJ 55-2011 design instead of the
// cement-only sheet.
inline constexpr const wchar_t* kNewOption = L"--new";
inline constexpr const wchar_t* kNewJgj55Kind = L"jgj55";
// Mixora.exe --forget-credential: the shared database's passwords this user kept in the
// credential store are removed (the uninstaller runs it); no window.
inline constexpr const wchar_t* kForgetCredentialOption = L"--forget-credential";

struct ExportOutcome {
    int exit_code = 0;   // 0 written, 1 not
    std::wstring reason; // why not, in Chinese
};

// arguments: the command line after the program's name, starting with kExportOption.
ExportOutcome ExportDesignReport(const std::vector<std::wstring>& arguments);

// Runs the export and says why it failed on standard error; the process's exit code.
int ExportFromCommandLine(const std::vector<std::wstring>& arguments);

// Whether the arguments are one of the lab database's commands.
bool IsLabCommandLine(const std::vector<std::wstring>& arguments);

// Runs the lab database's command: what it prints on standard output, why it failed on standard
// error; the process's exit code.
int LabFromCommandLine(const std::vector<std::wstring>& arguments);

// Whether Windows reports the drive of that letter as a network drive.
bool IsNetworkDriveLetter(char letter);

// The person working, as the register records them: HKCU\Software\Mixora value UserName, else
// the Windows login name.
std::wstring PersonNameOfSettings(const std::wstring& settings_key = kSettingsKey);

// The lab database file of the settings: HKCU\Software\Mixora value LabDatabase, or else
// the default one.
std::wstring LabDatabasePath(const std::wstring& settings_key = kSettingsKey);
// Mixora\lab.sqlite in the user's application-data folder (the folder made when missing).
std::wstring DefaultLabDatabasePath();

} // namespace mixora::ui
