// The design window as it opens while a high-contrast theme is on, for screenshots
// (scripts/screenshot --high-contrast). Wine cannot switch the theme, so this program, which is
// not shipped, tells the window that it is on.
#include "design_window.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    using namespace mixora::ui;
    SystemMessageBoxes message_boxes;
    DesignWindowOptions options;
    options.message_boxes = &message_boxes;
    options.high_contrast = [] { return true; };
    auto window = DesignWindow::Create(instance, std::move(options));
    if (!window) return 1;
    window->Show(show_command);
    return window->RunMessageLoop();
}
