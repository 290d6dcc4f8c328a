#include "report_commands.h"

#include "clipboard.h"
#include "cement_report.h"
#include "device_names.h"
#include "export_target.h"
#include "file_io.h"
#include "menu_ids.h"
#include "page_layout.h"
#include "preview_dialog.h"
#include "report_document.h"
#include "report_info_dialog.h"
#include "lab_settings_dialog.h"
#include "report_writers.h"
#include "settings.h"
#include "utf.h"

#include <shellapi.h>

namespace mixora::ui {

namespace {

constexpr FileType kExportTypes[] = {
    {L"CSV (*.csv)", L"*.csv", L"csv"},
    {L"报告 HTML (*.html)", L"*.html", L"html"},
};
// The types in the order of kExportTypes.
constexpr session::ExportKind kExportKinds[] = {session::ExportKind::Csv,
                                                session::ExportKind::Html};
constexpr int kDefaultExportType = 1; // HTML

} // namespace

bool ReportCommands::Run(int id) {
    using namespace menu_ids;
    // A ticket's commands reach a sheet without one only when sent by another program.
    if ((id == kBatchTicket || id == kExportBatchTicket) && !frame_.sheet->HasBatchTicket()) {
        frame_.Say(L"配合比通知单属于 JGJ 55-2011 配合比设计；这个设计没有配合比通知单。",
                   MB_OK | MB_ICONINFORMATION);
        return true;
    }
    switch (id) {
    case kExport: Export(ReportKind::Design); return true;
    case kReportInfo: EditInfo(); return true;
    case kLabSettings:
        EditLabSettings(frame_.hwnd, *frame_.options.message_boxes, frame_.skinned,
                        frame_.options.settings_key);
        return true;
    case kPrintPreview: PrintPreview(ReportKind::Design); return true;
    case kPrint: PrintFrom(frame_.hwnd, ReportKind::Design); return true;
    case kBatchTicket: PrintPreview(ReportKind::BatchTicket); return true;
    case kExportBatchTicket: Export(ReportKind::BatchTicket); return true;
    case kCopyResult: CopyResult(); return true;
    }
    return false;
}

report::ReportInfo ReportCommands::info() const {
    return frame_.session.report_info(TodayText());
}

void ReportCommands::set_info(report::ReportInfo info) {
    frame_.session.set_report_info(std::move(info));
    files_.UpdateTitle();
}

std::optional<std::wstring> ReportCommands::ExportTargetProblem(const std::wstring& path) const {
    if (auto device = session::DeviceNameProblem(path)) return device;
    if (frame_.session.path() && SameFile(*frame_.session.path(), path))
        return L"“" + path + L"”是这个设计的设计文件，报告不能写在它上面。";
    return std::nullopt;
}

page::ReportPage ReportCommands::PageOf(ReportKind kind) const {
    page::ReportPage page = kind == ReportKind::BatchTicket ? frame_.sheet->BatchTicket(info())
                                                            : frame_.sheet->Report(info());
    page.masthead = report::Masthead(ReadLabIdentity(frame_.options.settings_key));
    return page;
}

void ReportCommands::CopyResult() {
    const CopiedResult copied = frame_.sheet->CopyResult();
    if (const auto problem = PutOnClipboard(frame_.hwnd, copied.text, copied.html))
        frame_.Say(L"无法复制结果到剪贴板：" + *problem, MB_OK | MB_ICONWARNING);
}

bool ReportCommands::Export(ReportKind kind) {
    int type = kDefaultExportType;
    std::wstring suggested = session::SuggestedExportName(frame_.session.path());
    if (kind == ReportKind::BatchTicket) suggested += L" 配合比通知单";
    const auto path = frame_.Dialogs().ChooseExport(
        frame_.hwnd, suggested, kExportTypes, static_cast<int>(std::size(kExportTypes)), &type);
    if (!path) return false;
    if (const auto problem = ExportTargetProblem(*path)) {
        frame_.Say(L"无法导出报告：" + *problem, MB_OK | MB_ICONWARNING);
        return false;
    }
    const session::ExportKind chosen =
        kExportKinds[type >= 0 && type < static_cast<int>(std::size(kExportKinds))
                         ? type
                         : kDefaultExportType];
    const page::ReportPage page = PageOf(kind);
    const std::string bytes = session::ExportKindFor(*path, chosen) == session::ExportKind::Csv
                                  ? page::ReportCsv(page)
                                  : page::ReportHtml(page);
    if (const auto error = WriteFileReplacing(*path, bytes)) {
        frame_.Say(L"无法导出报告" + error->Describe(), MB_OK | MB_ICONWARNING);
        return false;
    }
    const int answer =
        frame_.Say(L"报告已导出到“" + *path + L"”。\n\n现在打开它吗？", MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) {
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(frame_.hwnd, L"open", path->c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (result <= 32)
            frame_.Say(L"报告已导出，但无法打开“" + *path + L"”（错误代码 " +
                           std::to_wstring(result) + L"）。",
                       MB_OK | MB_ICONWARNING);
    }
    return true;
}

bool ReportCommands::EditInfo() {
    report::ReportInfo edited = info();
    if (!EditReportInfo(frame_.hwnd, edited, *frame_.options.message_boxes, frame_.skinned))
        return false;
    set_info(std::move(edited));
    return true;
}

void ReportCommands::PrintPreview(ReportKind kind) {
    const page::ReportPage page = PageOf(kind);
    ShowPrintPreview(frame_.hwnd, page, frame_.skinned,
                     [this, kind](HWND owner) { return PrintFrom(owner, kind); });
}

bool ReportCommands::PrintFrom(HWND owner, ReportKind kind) {
    Printers& printers = frame_.PrinterAccess();
    const auto no_printer = [&] {
        frame_.Say(kind == ReportKind::BatchTicket ? kNoPrinterTicketMessage : kNoPrinterMessage,
                   MB_OK | MB_ICONINFORMATION, owner);
        return false;
    };
    if (!printers.AnyInstalled()) return no_printer();
    const page::ReportPage page = PageOf(kind);
    const int page_count =
        static_cast<int>(LayOutReport(page, printers.DialogPaper(), PageFonts{}).size());
    PrintChoice choice = printers.Choose(owner, page_count);
    switch (choice.outcome) {
    case PrintChoice::Outcome::Cancelled: return false;
    case PrintChoice::Outcome::NoPrinter: return no_printer();
    case PrintChoice::Outcome::Failed:
        frame_.Say(L"无法打开打印对话框（错误代码 " + std::to_wstring(choice.error) + L"）。",
                   MB_OK | MB_ICONWARNING, owner);
        return false;
    case PrintChoice::Outcome::Chosen: break;
    }
    std::wstring name = Widen(page.title.empty() ? cement_report::kReportTitle : page.title);
    if (frame_.session.path()) name += L" - " + FileNameOf(*frame_.session.path());
    if (const auto problem =
            PrintPages(choice.dc.get(), page, name, choice.from_page, choice.to_page)) {
        frame_.Say(*problem, MB_OK | MB_ICONWARNING, owner);
        return false;
    }
    return true;
}

} // namespace mixora::ui
