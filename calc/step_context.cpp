#include "step_context.h"

#include <cmath>

namespace mixora::calc {

void StepContext::write(Field field, std::string_view text) const {
    press_.sheet.set_text(field, text);
    written_.set(FieldIndex(field));
}

float StepContext::single(Field field) const {
    const float value = convert(text(field), field, written_.test(FieldIndex(field)));
    note_operand(field, value);
    return value;
}

float StepContext::single_of(std::string_view text, Field field) const {
    return convert(text, field, false);
}

double StepContext::leading(Field field) const {
    const double value = ParseLeadingNumber(text(field));
    note_operand(field, value);
    return value;
}

float StepContext::convert(std::string_view text, Field field, bool own_result) const {
    const ParsedSingle parsed = ParseSingle(text, press_.format);
    if (parsed.ec == std::errc{}) return parsed.value;
    if (parsed.ec == std::errc::result_out_of_range) {
        if (own_result) Abort(Fault::Overflow, {step_, farthest_.value_or(field)});
        Abort(Fault::OutOfRange, {step_, field});
    }
    Abort(text.empty() ? Fault::EmptyText : Fault::NotANumber, {step_, field});
}

// Zero and NaN have no magnitude: their faults are divisions by zero and invalid operations,
// reported where they happen.
void StepContext::note_operand(Field field, double value) const {
    if (value == 0.0 || std::isnan(value)) return;
    const double decades = std::abs(std::log10(std::abs(value)));
    if (decades <= farthest_decades_) return;
    farthest_ = field;
    farthest_decades_ = decades;
}

} // namespace mixora::calc
