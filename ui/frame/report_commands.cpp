// The report commands of the design window: 复制结果, 导出, 报告信息, 打印预览 and 打印. Each
// reads the sheet as it shows now and builds the one report model that every output draws.
#include "design_window.h"

#include "export_target.h"

#include "clipboard.h"
#include "clipboard_formats.h"
#include "file_io.h"
#include "page_layout.h"
#include "preview_dialog.h"
#include "report_document.h"
#include "report_info_dialog.h"
#include "report_writers.h"
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

Printers& DesignWindow::PrinterAccess() {
    return options_.printers ? *options_.printers : system_printers_;
}

report::ReportInfo DesignWindow::report_info() const {
    return session_.report_info(TodayText());
}

void DesignWindow::set_report_info(report::ReportInfo info) {
    session_.set_report_info(std::move(info));
    UpdateTitle();
}

report::ReportPage DesignWindow::PageOf(ReportKind kind) const {
    return kind == ReportKind::BatchTicket ? sheet_->BatchTicket(report_info())
                                           : sheet_->Report(report_info());
}

void DesignWindow::OnCopyResult() {
    const CopiedResult copied = sheet_->CopyResult();
    if (const auto problem = PutOnClipboard(hwnd_, copied.text, copied.html))
        options_.message_boxes->Show(hwnd_, L"无法复制结果到剪贴板：" + *problem, kProgramTitle,
                                     MB_OK | MB_ICONWARNING);
}

bool DesignWindow::OnExport(ReportKind kind) {
    int type = kDefaultExportType;
    std::wstring suggested = session::SuggestedExportName(session_.path());
    if (kind == ReportKind::BatchTicket) suggested += L" 配合比通知单";
    const auto path = Dialogs().ChooseExport(hwnd_, suggested, kExportTypes,
                                             static_cast<int>(std::size(kExportTypes)), &type);
    if (!path) return false;
    const session::ExportKind chosen =
        kExportKinds[type >= 0 && type < static_cast<int>(std::size(kExportKinds))
                         ? type
                         : kDefaultExportType];
    const report::ReportPage page = PageOf(kind);
    const std::string bytes = session::ExportKindFor(*path, chosen) == session::ExportKind::Csv
                                  ? report::ReportCsv(page)
                                  : report::ReportHtml(page);
    if (const auto error = WriteFileReplacing(*path, bytes)) {
        options_.message_boxes->Show(hwnd_, L"无法导出报告" + error->Describe(), kProgramTitle,
                                     MB_OK | MB_ICONWARNING);
        return false;
    }
    const int answer =
        options_.message_boxes->Show(hwnd_, L"报告已导出到“" + *path + L"”。\n\n现在打开它吗？",
                                     kProgramTitle, MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) {
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(hwnd_, L"open", path->c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (result <= 32)
            options_.message_boxes->Show(hwnd_,
                                         L"报告已导出，但无法打开“" + *path + L"”（错误代码 " +
                                             std::to_wstring(result) + L"）。",
                                         kProgramTitle, MB_OK | MB_ICONWARNING);
    }
    return true;
}

bool DesignWindow::OnReportInfo() {
    report::ReportInfo info = report_info();
    if (!EditReportInfo(hwnd_, info, *options_.message_boxes, skinned_)) return false;
    set_report_info(std::move(info));
    return true;
}

void DesignWindow::OnPrintPreview(ReportKind kind) {
    const report::ReportPage page = PageOf(kind);
    ShowPrintPreview(hwnd_, page, skinned_,
                     [this, kind](HWND owner) { return PrintFrom(owner, kind); });
}

bool DesignWindow::PrintFrom(HWND owner, ReportKind kind) {
    Printers& printers = PrinterAccess();
    const auto no_printer = [&] {
        options_.message_boxes->Show(owner, kNoPrinterMessage, kProgramTitle,
                                     MB_OK | MB_ICONINFORMATION);
        return false;
    };
    if (!printers.AnyInstalled()) return no_printer();
    const report::ReportPage page = PageOf(kind);
    const int page_count =
        static_cast<int>(LayOutReport(page, printers.DialogPaper(), PageFonts{}).size());
    PrintChoice choice = printers.Choose(owner, page_count);
    switch (choice.outcome) {
    case PrintChoice::Outcome::Cancelled: return false;
    case PrintChoice::Outcome::NoPrinter: return no_printer();
    case PrintChoice::Outcome::Failed:
        options_.message_boxes->Show(
            owner, L"无法打开打印对话框（错误代码 " + std::to_wstring(choice.error) + L"）。",
            kProgramTitle, MB_OK | MB_ICONWARNING);
        return false;
    case PrintChoice::Outcome::Chosen: break;
    }
    std::wstring name = Widen(page.title.empty() ? report::kReportTitle : page.title);
    if (session_.path()) name += L" - " + FileNameOf(*session_.path());
    if (const auto problem =
            PrintPages(choice.dc.get(), page, name, choice.from_page, choice.to_page)) {
        options_.message_boxes->Show(owner, *problem, kProgramTitle, MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

} // namespace mixora::ui
