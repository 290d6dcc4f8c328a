#include "formula_guard.h"

#include "shown_number.h"

namespace mixora::page {

namespace {

bool StartsFormula(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

} // namespace

std::string NeutralizeFormula(std::string_view text) {
    if (text.empty() || !StartsFormula(text.front())) return std::string(text);
    // A signed number as the sheet shows it is read as that number, never as a formula.
    const bool signed_number =
        (text.front() == '+' || text.front() == '-') && ReadShownNumber(text).number.has_value();
    if (signed_number) return std::string(text);
    return "'" + std::string(text);
}

} // namespace mixora::page
