// The program: a design window and its message loop; or, with --export, a design's report
// written without a window; or one of the lab database's commands (--register, --list …); or,
// with --new jgj55, a new JGJ 55-2011 design; or, with --forget-credential, the shared database's
// kept passwords removed.
#include "command_line_export.h"
#include "credential_store.h"
#include "design_file_read.h"
#include "design_window.h"
#include "file_io.h"
#include "regional_format.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace mixora::ui;

std::vector<std::wstring> Arguments() {
    std::vector<std::wstring> arguments;
    int argc = 0;
    if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        for (int i = 1; i < argc; ++i)
            arguments.emplace_back(argv[i]);
        LocalFree(argv);
    }
    return arguments;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    const std::vector<std::wstring> arguments = Arguments();
    if (!arguments.empty() && arguments.front() == kExportOption)
        return ExportFromCommandLine(arguments);
    if (IsLabCommandLine(arguments)) return LabFromCommandLine(arguments);
    if (arguments.size() == 1 && arguments.front() == kForgetCredentialOption) {
        ForgetAllPasswords();
        return 0;
    }

    // Mixora.exe --new jgj55: a new JGJ 55-2011 design (the Start menu's second shortcut).
    const bool new_jgj55 = !arguments.empty() && arguments.front() == kNewOption;
    if (new_jgj55 && (arguments.size() != 2 || arguments[1] != kNewJgj55Kind)) {
        MessageBoxW(nullptr, L"用法：Mixora.exe --new jgj55", kProgramTitle, MB_OK | MB_ICONERROR);
        return 1;
    }

    SystemMessageBoxes message_boxes;
    DesignWindowOptions options;
    options.message_boxes = &message_boxes;
    options.number_format = ReadUserNumberFormat();
    // Mixora.exe PATH: that design, opened over the reset sheet once the window is there; a
    // relative path is taken against the folder the program was started in.
    const std::wstring path =
        arguments.empty() || new_jgj55 ? std::wstring() : FullPathOf(arguments.front());
    if (new_jgj55) options.make_sheet = SheetFactoryFor(mixora::document::DesignKind::Jgj55);
    // The window for a design named there is of the design's kind.
    if (!path.empty()) options.make_sheet = SheetFactoryFor(KindOfDesignFile(path));
    auto window = DesignWindow::Create(instance, std::move(options));
    if (!window) {
        MessageBoxW(nullptr, L"无法创建程序窗口。", kProgramTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
    window->Show(show_command);
    if (!path.empty()) window->OpenDesign(path);
    return window->RunMessageLoop();
}
