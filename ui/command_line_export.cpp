#include "command_line_export.h"

#include "design_file_read.h"
#include "design_report.h"
#include "design_session.h"
#include "device_names.h"
#include "export_target.h"
#include "jgj55_content.h"
#include "file_io.h"
#include "lab_command_line.h"
#include "lab_database_settings.h"
#include "material_values.h"
#include "recent_store.h"
#include "report_info_dialog.h"
#include "report_writers.h"
#include "settings.h"
#include "utf.h"

#include <windows.h>

#include <shlobj.h>

namespace mixora::ui {

namespace {

constexpr const wchar_t* kUsage = L"用法：Mixora.exe --export 设计文件 报告文件（.html 或 .csv）";

// To the console the program was started from, or wherever the output (STD_OUTPUT_HANDLE or
// STD_ERROR_HANDLE) was sent: a file or a pipe gets UTF-8.
void Say(DWORD output, const std::wstring& text) {
    AttachConsole(ATTACH_PARENT_PROCESS);
    HANDLE handle = GetStdHandle(output);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
    DWORD written = 0;
    if (DWORD mode = 0; GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = Narrow(text);
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void SayOnStandardError(const std::wstring& text) {
    Say(STD_ERROR_HANDLE, text + L"\r\n");
}

// What the lab database's commands need of Windows.
class WindowsLabPlatform final : public lab::LabPlatform {
  public:
    lab::LabDatabaseSetting SettingsDatabase() override { return LoadLabDatabaseSetting(); }
    std::string KeptPassword(const std::string& connection) override {
        return Narrow(ui::KeptPassword(connection));
    }
    std::string PersonName() override { return Narrow(PersonNameOfSettings()); }
    bool IsNetworkDrive(char letter) override { return IsNetworkDriveLetter(letter); }
    std::string FullPath(const std::string& path) override {
        return Narrow(FullPathOf(Widen(path)));
    }
    std::optional<std::string> ReadFile(const std::string& path, std::size_t limit,
                                        std::string& problem) override {
        auto read = ReadWholeFile(Widen(path), limit);
        if (auto* bytes = std::get_if<std::string>(&read)) return std::move(*bytes);
        problem = Narrow(std::get<FileError>(read).reason);
        return std::nullopt;
    }
    std::string WriteFile(const std::string& path, std::string_view bytes) override {
        const auto error = WriteFileReplacing(Widen(path), bytes);
        return error ? Narrow(error->reason) : std::string();
    }
};

std::vector<std::string> Utf8Arguments(const std::vector<std::wstring>& arguments) {
    std::vector<std::string> narrow;
    for (const std::wstring& argument : arguments)
        narrow.push_back(Narrow(argument));
    return narrow;
}

} // namespace

ExportOutcome ExportDesignReport(const std::vector<std::wstring>& arguments) {
    if (arguments.size() != 3) return {1, kUsage};
    for (const std::wstring& given : {arguments[1], arguments[2]})
        if (const auto device = session::DeviceNameProblem(given)) return {1, *device};
    const std::wstring design = FullPathOf(arguments[1]);
    const std::wstring out = FullPathOf(arguments[2]);
    const auto kind = session::ExportKindOfName(out);
    if (!kind) return {1, L"报告文件“" + out + L"”的扩展名应为 .html 或 .csv"};
    if (SameFile(design, out))
        return {1, L"报告文件“" + out + L"”就是设计文件本身，报告不能写在它上面"};
    auto read = ReadDesignFile(design, nullptr);
    if (const auto* problem = std::get_if<std::wstring>(&read))
        return {1, L"无法打开设计文件“" + design + L"”：" + *problem};
    session::DesignSession session;
    session.Opened(design, std::get<document::DesignDocument>(std::move(read)));
    // A report from a header that does not read, or of a design whose input does not, would
    // not be the report asked for: refused, as a design that cannot be opened is.
    if (const std::string problem = session.StoredReportInfoProblem(); !problem.empty())
        return {1, L"设计文件“" + design + L"”中的报告信息无法读取：" + Widen(problem)};
    if (const std::string problem = session::InputProblemOf(session.stored()); !problem.empty())
        return {1, L"设计文件“" + design + L"”中的输入有误：" + Widen(problem)};
    page::ReportPage page =
        session::DesignReport(session.stored(), session.report_info(TodayText()),
                              lab::CitedMaterialsOf(session.stored()));
    page.masthead = report::Masthead(ReadLabIdentity());
    const std::string bytes =
        *kind == session::ExportKind::Csv ? page::ReportCsv(page) : page::ReportHtml(page);
    if (const auto error = WriteFileReplacing(out, bytes))
        return {1, L"无法导出报告" + error->Describe()};
    return {};
}

int ExportFromCommandLine(const std::vector<std::wstring>& arguments) {
    const ExportOutcome outcome = ExportDesignReport(arguments);
    if (outcome.exit_code != 0) SayOnStandardError(outcome.reason);
    return outcome.exit_code;
}

bool IsLabCommandLine(const std::vector<std::wstring>& arguments) {
    return lab::IsLabCommandLine(Utf8Arguments(arguments));
}

int LabFromCommandLine(const std::vector<std::wstring>& arguments) {
    WindowsLabPlatform platform;
    const lab::LabOutcome outcome = lab::RunLabCommandLine(Utf8Arguments(arguments), platform);
    Say(STD_OUTPUT_HANDLE, WidenLines(outcome.out));
    if (outcome.exit_code != 0) SayOnStandardError(Widen(outcome.error));
    return outcome.exit_code;
}

bool IsNetworkDriveLetter(char letter) {
    const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
    return GetDriveTypeW(root) == DRIVE_REMOTE;
}

std::wstring PersonNameOfSettings(const std::wstring& settings_key) {
    std::wstring name = SettingText(kUserNameValue, settings_key);
    if (name.empty()) {
        wchar_t login[257]{};
        DWORD size = 257;
        if (GetUserNameW(login, &size)) name = login;
    }
    return name;
}

std::wstring LabDatabasePath(const std::wstring& settings_key) {
    if (std::wstring set = SettingText(kLabDatabaseValue, settings_key); !set.empty())
        // A shared database set by hand ("odbc:…") is no path.
        return Narrow(set).starts_with(lab::kSharedDatabasePrefix) ? set : FullPathOf(set);
    return DefaultLabDatabasePath();
}

std::wstring DefaultLabDatabasePath() {
    wchar_t folder[MAX_PATH]{};
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                         folder) != S_OK)
        return L"lab.sqlite";
    const std::wstring mixora = std::wstring(folder) + L"\\Mixora";
    CreateDirectoryW(mixora.c_str(), nullptr);
    return mixora + L"\\lab.sqlite";
}

} // namespace mixora::ui
