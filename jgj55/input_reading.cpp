#include "input_reading.h"

#include "decimal_rounding.h"
#include "shown_value.h"
#include "text_prefix.h"
#include "typed_number.h"

namespace mixora::jgj55 {

namespace {

InputReading Held(const NumberInput& input, double value, std::string_view text) {
    if (input.range->Holds(value)) return {value, {}};
    return {std::nullopt, OutOfRange(*input.range, CaptionOf(input), text)};
}

} // namespace

InputReading ReadInput(const NumberInput& input, std::string_view text) {
    calc::TypedNumber read = calc::ReadTypedNumber(text, CaptionOf(input));
    if (!read.value) return {std::nullopt, std::move(read.problem)};
    return Held(input, *read.value, text);
}

InputReading CheckInput(const NumberInput& input, double value) {
    return Held(input, value, calc::ExactText(value));
}

void PutInput(Inputs& inputs, const NumberInput& input, std::string_view text) {
    if (const auto unread = inputs.unread.find(input.key); unread != inputs.unread.end())
        inputs.unread.erase(unread);
    if (input.given) {
        input.given(inputs).reset();
        if (text.empty()) return;
    }
    const InputReading reading = ReadInput(input, text);
    if (!reading.value) {
        inputs.unread.emplace(std::string(input.key), std::string(text));
        if (input.number) input.number(inputs) = NumberIn(Inputs{}, input); // nothing stale
    } else if (input.given)
        input.given(inputs) = *reading.value;
    else
        input.number(inputs) = *reading.value;
}

std::string InputText(const Inputs& inputs, const NumberInput& input) {
    if (const auto unread = inputs.unread.find(input.key); unread != inputs.unread.end())
        return unread->second;
    if (input.given) {
        const std::optional<double> given = GivenIn(inputs, input);
        return given ? FormatGiven(*given, InfoOf(input.quantity).decimals) : std::string();
    }
    return FormatGiven(NumberIn(inputs, input), 0);
}

std::string FirstInputProblem(const Inputs& inputs) {
    for (const NumberInput& input : NumberInputs()) {
        const auto unread = inputs.unread.find(input.key);
        if (unread == inputs.unread.end()) continue;
        std::string problem = ReadInput(input, unread->second).problem;
        return problem.empty()
                   ? CaptionOf(input) + "“" + calc::TextPrefix(unread->second) + "”无法读取"
                   : problem;
    }
    return FirstRequirementProblem(inputs.unread);
}

} // namespace mixora::jgj55
