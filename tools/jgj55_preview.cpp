// The design window with the JGJ 55-2011 sheet, for screenshots (scripts/screenshot --jgj55);
// a developer aid that is not shipped. With --worked-example the sheet starts from C35, P·O
// 42.5, fly ash Ⅱ 20 %, 碎石 20 mm, 中砂, slump 160 mm, β 25 %, dosage 1.2 %.
#include "design_window.h"
#include "inputs_json.h"
#include "jgj55_sheet.h"

#include <windows.h>

#include <string_view>

namespace {

mixora::jgj55::Inputs WorkedExample() {
    mixora::jgj55::Inputs inputs;
    inputs.grade = 35;
    inputs.fly_ash_share = 20;
    inputs.slump = 160;
    inputs.water_reduction = 25;
    inputs.admixture_dosage = 1.2;
    return inputs;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show_command) {
    using namespace mixora::ui;
    SystemMessageBoxes message_boxes;
    DesignWindowOptions options;
    options.message_boxes = &message_boxes;
    Jgj55Sheet* sheet = nullptr;
    options.make_sheet = [&sheet](SheetHost& host, const mixora::calc::NumberFormat&) {
        auto made = std::make_unique<Jgj55Sheet>(host);
        sheet = made.get();
        return std::unique_ptr<SheetView>(std::move(made));
    };
    auto window = DesignWindow::Create(instance, std::move(options));
    if (!window || !sheet) return 1;
    if (std::wstring_view(command_line).find(L"--worked-example") != std::wstring_view::npos) {
        mixora::document::DesignDocument document;
        document.set_extra({{"jgj55", mixora::jgj55::InputsToJson(WorkedExample())}});
        sheet->Take(document);
    }
    window->Show(show_command);
    return window->RunMessageLoop();
}
