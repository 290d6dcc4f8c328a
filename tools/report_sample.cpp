// The design report of a sample design, written out as a user would get it, for looking at
// (scripts/report-look): the reset sheet after one press of "计算", or a design file of any kind
// in the window of its kind.
//   report_sample [--design PATH] [--environment 一|二a|二b|三a|三b] [--html OUT.html]
//                 [--printer NAME] [--ticket]
// --html writes what 文件 → 导出 writes; --printer prints through the window's 打印 on that
// printer (no dialog); --ticket does both for the batch ticket (配合比通知单) instead. Exit code 0
// on success, 1 when something fails (said on stderr), 2 (with the usage) for a command line it
// does not know.
#include "design_file_read.h"
#include "design_window.h"
#include "file_io.h"
#include "utf.h"

#include <cstdio>
#include <string>

namespace {

using namespace mixora;

constexpr const wchar_t* kUsage =
    L"usage: report_sample [--design PATH] [--environment 一|二a|二b|三a|三b] [--html OUT.html] "
    L"[--printer NAME] [--ticket]\n";

// Every message box is written to stderr and answered "no".
class ConsoleBoxes final : public ui::MessageBoxes {
  public:
    int Show(HWND, std::wstring_view text, std::wstring_view, UINT) override {
        // UTF-8 bytes: the console's code page may have no Chinese.
        std::fputs(("report_sample: " + ui::Narrow(text) + "\n").c_str(), stderr);
        ++shown;
        return IDNO;
    }
    int shown = 0;
};

// The named printer with A4 paper, as if chosen in the print dialog.
class NamedPrinter final : public ui::Printers {
  public:
    explicit NamedPrinter(std::wstring name) : name_(std::move(name)) {}
    bool AnyInstalled() override { return true; }
    ui::PrintChoice Choose(HWND, int) override {
        DEVMODEW mode{};
        mode.dmSize = sizeof(mode);
        mode.dmPaperSize = DMPAPER_A4;
        mode.dmFields = DM_PAPERSIZE;
        ui::PrintChoice choice;
        choice.dc.reset(CreateDCW(L"WINSPOOL", name_.c_str(), nullptr, &mode));
        choice.outcome =
            choice.dc ? ui::PrintChoice::Outcome::Chosen : ui::PrintChoice::Outcome::Failed;
        return choice;
    }

  private:
    std::wstring name_;
};

class ExportTo final : public ui::FileDialogs {
  public:
    std::optional<std::wstring> path;
    std::optional<std::wstring> ChooseOpen(HWND) override { return std::nullopt; }
    std::optional<std::wstring> ChooseSave(HWND, const std::wstring&, const ui::FileType*, int,
                                           int* type) override {
        if (type) *type = 1;
        return path;
    }
};

int Usage() {
    fwprintf(stderr, L"%ls", kUsage);
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::optional<std::wstring> design, environment, html, printer;
    auto pages = ui::ReportKind::Design;
    for (int i = 1; i < argc; i += 2) {
        const std::wstring option = argv[i];
        if (option == L"--ticket") {
            pages = ui::ReportKind::BatchTicket;
            --i;
            continue;
        }
        if (i + 1 >= argc) return Usage();
        if (option == L"--design")
            design = argv[i + 1];
        else if (option == L"--environment")
            environment = argv[i + 1];
        else if (option == L"--html")
            html = argv[i + 1];
        else if (option == L"--printer")
            printer = argv[i + 1];
        else
            return Usage();
    }

    ConsoleBoxes boxes;
    ExportTo dialogs;
    dialogs.path = html;
    NamedPrinter named(printer.value_or(L""));
    ui::DesignWindowOptions options;
    options.message_boxes = &boxes;
    options.quit_on_destroy = false;
    options.file_dialogs = &dialogs;
    options.printers = &named;
    if (design)
        options.make_sheet = ui::SheetFactoryFor(ui::KindOfDesignFile(ui::FullPathOf(*design)));
    auto window = ui::DesignWindow::Create(GetModuleHandleW(nullptr), options);
    if (!window) {
        fwprintf(stderr, L"report_sample: cannot create the design window\n");
        return 1;
    }
    if (design) {
        if (!window->OpenDesign(*design)) return 1;
    } else {
        window->OnCalculate();
    }
    if (environment) {
        const auto chosen =
            standards::FromName<standards::EnvironmentClass>(ui::Narrow(*environment));
        if (!chosen) return Usage();
        report::ReportInfo info = window->report_info();
        info.environment = *chosen;
        window->set_report_info(info);
    }
    const int before = boxes.shown;
    if (html && !window->OnExport(pages)) return 1;
    if (printer && !window->PrintFrom(window->hwnd(), pages)) return 1;
    // The export's offer to open the file is the one box expected.
    return boxes.shown - before > (html ? 1 : 0) ? 1 : 0;
}
