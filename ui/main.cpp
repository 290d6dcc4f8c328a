// The program: one design window and its message loop.
#include "design_window.h"
#include "file_io.h"
#include "regional_format.h"

#include <windows.h>

#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    using namespace mixora::ui;
    SystemMessageBoxes message_boxes;
    DesignWindowOptions options;
    options.message_boxes = &message_boxes;
    options.number_format = ReadUserNumberFormat();
    auto window = DesignWindow::Create(instance, std::move(options));
    if (!window) {
        MessageBoxW(nullptr, L"无法创建程序窗口。", kProgramTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
    window->Show(show_command);

    // Mixora.exe PATH: that design, opened over the reset sheet once the window is there; a
    // relative path is taken against the folder the program was started in.
    int argc = 0;
    if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        if (argc > 1) window->OpenDesign(FullPathOf(argv[1]));
        LocalFree(argv);
    }

    return window->RunMessageLoop();
}
