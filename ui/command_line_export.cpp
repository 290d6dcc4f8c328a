#include "command_line_export.h"

#include "design_file_read.h"
#include "design_report.h"
#include "design_session.h"
#include "device_names.h"
#include "export_target.h"
#include "jgj55_content.h"
#include "file_io.h"
#include "report_info_dialog.h"
#include "report_writers.h"
#include "utf.h"

#include <windows.h>

namespace mixora::ui {

namespace {

constexpr const wchar_t* kUsage = L"用法：Mixora.exe --export 设计文件 报告文件（.html 或 .csv）";

// To the console the program was started from, or wherever standard error was sent.
void SayOnStandardError(const std::wstring& text) {
    AttachConsole(ATTACH_PARENT_PROCESS);
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
    const std::wstring line = text + L"\r\n";
    DWORD written = 0;
    if (DWORD mode = 0; GetConsoleMode(error, &mode)) {
        WriteConsoleW(error, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
    const std::string bytes = Narrow(line);
    WriteFile(error, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
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
    const page::ReportPage page =
        session::DesignReport(session.stored(), session.report_info(TodayText()));
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

} // namespace mixora::ui
