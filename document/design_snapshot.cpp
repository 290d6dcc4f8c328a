#include "design_snapshot.h"

namespace mixora::document {

static_assert(static_cast<std::size_t>(calc::Toggle::碎石) + 1 == kToggleCount);

DesignSnapshot TakeSnapshot(const calc::Sheet& sheet) {
    DesignSnapshot snapshot;
    for (const calc::Field field : calc::kAllFields)
        snapshot.text(field) = sheet.text(field);
    for (const calc::Toggle toggle : kAllToggles)
        snapshot.toggles[static_cast<std::size_t>(toggle)] = sheet.is_on(toggle);
    return snapshot;
}

void ApplySnapshot(const DesignSnapshot& snapshot, calc::Sheet& sheet) {
    for (const calc::Field field : calc::kAllFields)
        sheet.set_text(field, snapshot.text(field));
    // Turning an option on turns its partner off, so every control is first turned off and
    // then the ones that are on are turned on.
    for (const calc::Toggle toggle : kAllToggles)
        sheet.set_on(toggle, false);
    for (const calc::Toggle toggle : kAllToggles)
        if (snapshot.is_on(toggle)) sheet.set_on(toggle, true);
}

} // namespace mixora::document
