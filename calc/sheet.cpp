#include "sheet.h"

#include <stdexcept>

namespace mixora::calc {

Toggle Partner(Toggle t) {
    switch (t) {
    case Toggle::option1: return Toggle::option2;
    case Toggle::option2: return Toggle::option1;
    case Toggle::细砂: return Toggle::粗砂;
    case Toggle::粗砂: return Toggle::细砂;
    case Toggle::卵石:
    case Toggle::碎石: break;
    }
    return t;
}

std::size_t CheckedFieldIndex(Field field) {
    if (!IsField(field)) throw std::out_of_range("no such sheet field");
    return FieldIndex(field);
}

std::string MemorySheet::text(Field field) const {
    return texts_[CheckedFieldIndex(field)];
}

void MemorySheet::set_text(Field field, std::string_view text) {
    texts_[CheckedFieldIndex(field)] = text;
}

bool MemorySheet::is_on(Toggle t) const {
    return toggles_[static_cast<std::size_t>(t)];
}

void MemorySheet::set_on(Toggle t, bool on) {
    toggles_[static_cast<std::size_t>(t)] = on;
    if (on && Partner(t) != t) toggles_[static_cast<std::size_t>(Partner(t))] = false;
}

} // namespace mixora::calc
