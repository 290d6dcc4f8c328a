#include "printing.h"

#include "file_io.h"
#include "page_draw.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <algorithm>

namespace mixora::ui {

namespace {

int ToUnits(int pixels, int pixels_per_inch) {
    return pixels_per_inch > 0 ? MulDiv(pixels, kUnitsPerInch, pixels_per_inch) : 0;
}

// The printer's default settings with A4 paper, for the dialog to start from.
void ChooseA4(HGLOBAL settings) {
    if (!settings) return;
    if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(settings))) {
        mode->dmPaperSize = DMPAPER_A4;
        mode->dmFields |= DM_PAPERSIZE;
        GlobalUnlock(settings);
    }
}

PrintChoice Failed(DWORD error) {
    PrintChoice choice;
    choice.outcome = error == PDERR_NODEFAULTPRN || error == PDERR_PRINTERNOTFOUND
                         ? PrintChoice::Outcome::NoPrinter
                         : PrintChoice::Outcome::Failed;
    choice.error = error;
    return choice;
}

// What the print dialog starts from: the default printer, with A4 chosen.
struct DialogSettings {
    base::unique_hglobal mode, names; // DEVMODEW, DEVNAMES
    DWORD error = 0;                  // CommDlgExtendedError when there are none
};

DialogSettings DefaultSettings(HWND owner) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDEFAULT;
    DialogSettings settings;
    if (!PrintDlgW(&dialog)) {
        const DWORD error = CommDlgExtendedError();
        settings.error = error == 0 ? PDERR_NODEFAULTPRN : error;
        return settings;
    }
    settings.mode.reset(dialog.hDevMode);
    settings.names.reset(dialog.hDevNames);
    ChooseA4(settings.mode.get());
    return settings;
}

// An information context of the printer the settings name, with their paper; null when there
// is none.
base::unique_hdc InformationContext(const DialogSettings& settings) {
    if (!settings.names) return {};
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(settings.names.get()));
    if (!names) return {};
    const auto* mode =
        settings.mode ? static_cast<const DEVMODEW*>(GlobalLock(settings.mode.get())) : nullptr;
    // The names are offsets, in characters, from the start of the block.
    const auto* text = reinterpret_cast<const wchar_t*>(names);
    base::unique_hdc context(
        CreateICW(text + names->wDriverOffset, text + names->wDeviceOffset, nullptr, mode));
    if (mode) GlobalUnlock(settings.mode.get());
    GlobalUnlock(settings.names.get());
    return context;
}

} // namespace

bool SystemPrinters::AnyInstalled() {
    DWORD needed = 0, count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                  &count);
    return needed > 0;
}

PaperSetup SystemPrinters::DialogPaper() {
    const base::unique_hdc printer = InformationContext(DefaultSettings(nullptr));
    return printer ? PaperOf(printer.get()) : PaperSetup{};
}

PrintChoice SystemPrinters::Choose(HWND owner, int page_count) {
    DialogSettings settings = DefaultSettings(owner);
    if (settings.error != 0) return Failed(settings.error);
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.hDevMode = settings.mode.get();
    dialog.hDevNames = settings.names.get();
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nMinPage = 1;
    dialog.nMaxPage = static_cast<WORD>(std::clamp(page_count, 1, 0xFFFF));
    dialog.nFromPage = 1;
    dialog.nToPage = dialog.nMaxPage;
    dialog.nCopies = 1;
    const BOOL chosen = PrintDlgW(&dialog);
    // The dialog may have replaced the settings it was given.
    settings.mode.release();
    settings.names.release();
    settings.mode.reset(dialog.hDevMode);
    settings.names.reset(dialog.hDevNames);
    if (!chosen) {
        const DWORD error = CommDlgExtendedError();
        if (error == 0) return {};
        return Failed(error);
    }
    PrintChoice choice;
    choice.dc.reset(dialog.hDC);
    if (!choice.dc) return Failed(PDERR_CREATEICFAILURE);
    choice.outcome = PrintChoice::Outcome::Chosen;
    if (dialog.Flags & PD_PAGENUMS) {
        choice.from_page = dialog.nFromPage;
        choice.to_page = dialog.nToPage;
    }
    return choice;
}

PaperSetup PaperOf(HDC printer) {
    const int dpi_x = GetDeviceCaps(printer, LOGPIXELSX),
              dpi_y = GetDeviceCaps(printer, LOGPIXELSY);
    const int width = GetDeviceCaps(printer, PHYSICALWIDTH);
    const int height = GetDeviceCaps(printer, PHYSICALHEIGHT);
    if (width <= 0 || height <= 0 || dpi_x <= 0 || dpi_y <= 0) return {};
    const int left = ToUnits(GetDeviceCaps(printer, PHYSICALOFFSETX), dpi_x);
    const int top = ToUnits(GetDeviceCaps(printer, PHYSICALOFFSETY), dpi_y);
    return page::PaperOnSheet({ToUnits(width, dpi_x), ToUnits(height, dpi_y)},
                              {left, top, left + ToUnits(GetDeviceCaps(printer, HORZRES), dpi_x),
                               top + ToUnits(GetDeviceCaps(printer, VERTRES), dpi_y)});
}

std::optional<std::wstring> PrintPages(HDC printer, const page::ReportPage& report,
                                       const std::wstring& document_name, int from_page,
                                       int to_page) {
    const PageFonts fonts;
    const std::vector<LaidOutPage> pages = LayOutReport(report, PaperOf(printer), fonts);
    const int last = static_cast<int>(pages.size());
    const int first = std::clamp(from_page, 1, last);
    const int end = to_page <= 0 ? last : std::clamp(to_page, first, last);
    const POINT origin{-GetDeviceCaps(printer, PHYSICALOFFSETX),
                       -GetDeviceCaps(printer, PHYSICALOFFSETY)};
    const int dpi_x = GetDeviceCaps(printer, LOGPIXELSX),
              dpi_y = GetDeviceCaps(printer, LOGPIXELSY);

    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = document_name.c_str();
    if (StartDocW(printer, &document) <= 0)
        return L"无法开始打印：" + SystemErrorText(GetLastError());
    int number = first;
    for (; number <= end; ++number) {
        if (StartPage(printer) <= 0) break;
        const int saved = SaveDC(printer);
        MapPaper(printer, dpi_x, dpi_y, 100, origin);
        DrawPage(printer, pages[static_cast<size_t>(number - 1)], fonts);
        RestoreDC(printer, saved);
        if (EndPage(printer) <= 0) break;
    }
    if (number > end) {
        if (EndDoc(printer) > 0) return std::nullopt;
        return L"打印失败：" + SystemErrorText(GetLastError());
    }
    const DWORD error = GetLastError();
    AbortDoc(printer);
    return L"打印第 " + std::to_wstring(number) + L" 页时失败：" + SystemErrorText(error);
}

} // namespace mixora::ui
