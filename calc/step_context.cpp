#include "step_context.h"

namespace mixora::calc {

float StepContext::single_of(std::string_view text, Field field) const {
    const ParsedSingle parsed = ParseSingle(text, press_.format);
    if (parsed.ec == std::errc{}) return parsed.value;
    if (parsed.ec == std::errc::result_out_of_range) Abort(Fault::OutOfRange, {step_, field});
    Abort(text.empty() ? Fault::EmptyText : Fault::NotANumber, {step_, field});
}

} // namespace mixora::calc
