#pragma once
// 打印: the printers behind an interface (so tests can have none, or answer the dialog), and the
// report's laid-out pages sent to a printer context.
#include "handles.h"
#include "page_layout.h"
#include "report_page.h"

#include <windows.h>

#include <optional>
#include <string>

namespace mixora::ui {

struct PrintChoice {
    enum class Outcome { Chosen, Cancelled, NoPrinter, Failed };
    Outcome outcome = Outcome::Cancelled;
    base::unique_hdc dc; // the printer's context, when Chosen
    int from_page = 1;   // the pages to print, from 1, inclusive
    int to_page = 0;     // 0: to the last
    DWORD error = 0;     // CommDlgExtendedError, when Failed
};

class Printers {
  public:
    virtual ~Printers() = default;
    // Whether any printer is installed, here or as a connection.
    virtual bool AnyInstalled() = 0;
    // The paper the print dialog starts with, as its printer has it (PaperOf): the default
    // printer's, with A4 chosen. A4 when there is no printer to ask.
    virtual PaperSetup DialogPaper() { return {}; }
    // The print dialog for a report of `page_count` pages (laid out on DialogPaper), with A4
    // paper chosen.
    virtual PrintChoice Choose(HWND owner, int page_count) = 0;
};

// EnumPrintersW and the common print dialog (PrintDlgW).
class SystemPrinters final : public Printers {
  public:
    bool AnyInstalled() override;
    PaperSetup DialogPaper() override;
    PrintChoice Choose(HWND owner, int page_count) override;
};

inline constexpr const wchar_t* kNoPrinterMessage =
    L"没有安装打印机，无法打印。\n\n请先在系统中添加打印机；也可以用“文件 → 导出”把报告保存为 "
    L"HTML 文件，再用浏览器打印。";
// The same for the batch ticket, which has its own export.
inline constexpr const wchar_t* kNoPrinterTicketMessage =
    L"没有安装打印机，无法打印。\n\n请先在系统中添加打印机；也可以用“文件 → 导出配合比通知单”"
    L"把通知单保存为 HTML 文件，再用浏览器打印。";

// The paper of a printer's context: its sheet and what the printer reaches of it, as the
// printer reports them (page::PaperOnSheet). A4 when the context is not a printer's.
PaperSetup PaperOf(HDC printer);

// Prints pages from_page … to_page (1-based; to_page 0: the last) of the report as one document.
// Why it failed, in Chinese, or nothing.
std::optional<std::wstring> PrintPages(HDC printer, const page::ReportPage& report,
                                       const std::wstring& document_name, int from_page,
                                       int to_page);

} // namespace mixora::ui
