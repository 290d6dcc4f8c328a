#include "edit_commands.h"

#include "field_commands.h"
#include "menu_ids.h"

namespace mixora::ui {

bool EditCommands::Run(int id) {
    if (RunFieldCommand(frame_.hwnd, id)) return true;
    if (id != menu_ids::kClearResults) return false;
    frame_.sheet->ClearResults();
    files_.ScheduleTitle();
    return true;
}

} // namespace mixora::ui
