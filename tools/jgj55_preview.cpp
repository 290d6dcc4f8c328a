// The design window with the JGJ 55-2011 sheet, for screenshots (scripts/screenshot --jgj55);
// a developer aid that is not shipped. With --worked-example the sheet starts from C35, P·O
// 42.5, fly ash Ⅱ 20 %, 碎石 20 mm, 中砂, slump 160 mm, β 25 %, dosage 1.2 %; with --trial it
// is C30 and its 试配与调整 dialog opens on a sample trial with every stage filled in.
#include "design_window.h"
#include "inputs_json.h"
#include "jgj55_ids.h"
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

// A laboratory's record of a C30 trial: slump as designed, three cube groups at 28 days, the
// chosen mix's density and the day's moisture.
mixora::trial::TrialEntries SampleTrial() {
    mixora::trial::TrialEntries entries;
    entries.adjustment.slump_mm = "165";
    entries.strength.groups[0] = {{"44.1", "45.3", "43.8"}, "2395"};
    entries.strength.groups[1] = {{"39.2", "38.5", "40.1"}, "2390"};
    entries.strength.groups[2] = {{"34.0", "35.2", "33.6"}, "2385"};
    entries.density.measured = "2420";
    entries.production = {"3.5", "0.8", "2026-12-07 07:30", "2"};
    return entries;
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
    const std::wstring_view arguments(command_line);
    const bool trial = arguments.find(L"--trial") != std::wstring_view::npos;
    if (trial || arguments.find(L"--worked-example") != std::wstring_view::npos) {
        mixora::jgj55::Inputs inputs = WorkedExample();
        if (trial) inputs.grade = 30;
        mixora::document::DesignDocument document;
        document.set_extra({{"jgj55", mixora::jgj55::InputsToJson(inputs)}});
        sheet->Take(document);
    }
    window->Show(show_command);
    if (trial) {
        sheet->set_trial_entries(SampleTrial());
        // Clicked once the message loop runs, which then runs the dialog's own loop.
        PostMessageW(sheet->Control(mixora::ui::jgj55_ids::Trial), BM_CLICK, 0, 0);
    }
    return window->RunMessageLoop();
}
