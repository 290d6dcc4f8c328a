#include "bench_windows.h"

#include "control_ids.h"
#include "design_window.h"
#include "gallery_window.h"
#include "jgj55_ids.h"
#include "sheet_kinds.h"

#include <memory>
#include <vector>

namespace mixora::bench {

namespace {

// The design windows' owners; the bench destroys the windows, these free what is left.
std::vector<std::unique_ptr<ui::DesignWindow>>& DesignWindows() {
    static std::vector<std::unique_ptr<ui::DesignWindow>> windows;
    return windows;
}

// The bench never shows a message box; a press would have nowhere to show one.
class NoMessageBoxes final : public ui::MessageBoxes {
  public:
    int Show(HWND, std::wstring_view, std::wstring_view, UINT) override { return IDOK; }
};

BenchWindow BuildDesignOf(HINSTANCE instance, document::DesignKind kind, int button, int field) {
    static NoMessageBoxes boxes;
    ui::DesignWindowOptions options;
    options.message_boxes = &boxes;
    options.quit_on_destroy = false;
    options.install_skin = false; // the bench installs it itself, or not
    options.make_sheet = ui::SheetFactoryFor(kind);
    auto window = ui::DesignWindow::Create(instance, options);
    if (!window) return {};
    const BenchWindow bench{window->hwnd(), window->Control(button),
                            field ? window->Control(field) : nullptr};
    DesignWindows().push_back(std::move(window));
    return bench;
}

} // namespace

BenchWindow BuildGallery(HINSTANCE instance) {
    const gallery::GalleryWindow window = gallery::BuildGalleryWindow(instance);
    return {window.form, window.push_button};
}

BenchWindow BuildDesign(HINSTANCE instance) {
    return BuildDesignOf(instance, document::DesignKind::Cement, ui::ids::Calculate, 0);
}

BenchWindow BuildJgj55(HINSTANCE instance) {
    return BuildDesignOf(instance, document::DesignKind::Jgj55, ui::jgj55_ids::Trial,
                         ui::jgj55_ids::Slump);
}

} // namespace mixora::bench
