// The report commands of the design window: 复制结果, 导出, 报告信息, 打印预览 and 打印. Each
// reads the sheet as it shows now and builds the one report model that every output draws.
#include "design_window.h"

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
constexpr int kCsvType = 0;
constexpr int kHtmlType = 1;

bool EndsWithNoCase(const std::wstring& text, std::wstring_view end) {
    return text.size() >= end.size() &&
           CompareStringOrdinal(text.c_str() + text.size() - end.size(),
                                static_cast<int>(end.size()), end.data(),
                                static_cast<int>(end.size()), TRUE) == CSTR_EQUAL;
}

// The name a file is saved under decides its format; the chosen type only when it says none.
bool IsCsvPath(const std::wstring& path, int type) {
    if (EndsWithNoCase(path, L".csv")) return true;
    if (EndsWithNoCase(path, L".html") || EndsWithNoCase(path, L".htm")) return false;
    return type == kCsvType;
}

// The design file's path without its extension, or the report's name.
std::wstring SuggestedExportName(const std::optional<std::wstring>& design) {
    if (!design) return L"配合比设计报告";
    const size_t slash = design->find_last_of(L"\\/");
    const size_t dot = design->rfind(L'.');
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash))
        return design->substr(0, dot);
    return *design;
}

} // namespace

Printers& DesignWindow::PrinterAccess() {
    return options_.printers ? *options_.printers : system_printers_;
}

std::optional<report::ReportInfo> DesignWindow::StoredReportInfo() const {
    return report::ReadStoredReportInfo(document_).info;
}

report::ReportInfo DesignWindow::report_info() const {
    if (report_info_) return *report_info_;
    report::ReportInfo defaults;
    defaults.date = TodayText();
    return defaults;
}

void DesignWindow::set_report_info(report::ReportInfo info) {
    report_info_ = std::move(info);
    UpdateTitle();
}

void DesignWindow::OnCopyResult() {
    const document::DesignSnapshot snapshot = document::TakeSnapshot(sheet_);
    if (const auto problem =
            PutOnClipboard(hwnd_, report::ClipboardText(snapshot), report::ClipboardHtml(snapshot)))
        options_.message_boxes->Show(hwnd_, L"无法复制结果到剪贴板：" + *problem, kProgramTitle,
                                     MB_OK | MB_ICONWARNING);
}

bool DesignWindow::OnExport() {
    int type = kHtmlType;
    const auto path = Dialogs().ChooseSave(hwnd_, SuggestedExportName(path_), kExportTypes,
                                           static_cast<int>(std::size(kExportTypes)), &type);
    if (!path) return false;
    const report::ReportPage page = report::BuildReport(document::TakeSnapshot(sheet_), report_info());
    const std::string bytes =
        IsCsvPath(*path, type) ? report::ReportCsv(page) : report::ReportHtml(page);
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

void DesignWindow::OnPrintPreview() {
    const report::ReportPage page = report::BuildReport(document::TakeSnapshot(sheet_), report_info());
    ShowPrintPreview(hwnd_, page, skinned_, [this](HWND owner) { return PrintFrom(owner); });
}

bool DesignWindow::PrintFrom(HWND owner) {
    Printers& printers = PrinterAccess();
    const auto no_printer = [&] {
        options_.message_boxes->Show(owner, kNoPrinterMessage, kProgramTitle,
                                     MB_OK | MB_ICONINFORMATION);
        return false;
    };
    if (!printers.AnyInstalled()) return no_printer();
    const report::ReportPage page = report::BuildReport(document::TakeSnapshot(sheet_), report_info());
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
    std::wstring name = Widen(report::kReportTitle);
    if (path_) name += L" - " + FileNameOf(*path_);
    if (const auto problem =
            PrintPages(choice.dc.get(), page, name, choice.from_page, choice.to_page)) {
        options_.message_boxes->Show(owner, *problem, kProgramTitle, MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

} // namespace mixora::ui
