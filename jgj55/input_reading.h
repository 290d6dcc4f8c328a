#pragma once
// The one reader of a JGJ 55-2011 design's numbers, for the window and the file alike: a text
// as typed is read by the one reader of typed numbers (typed_number.h) and then held to the
// input's range (input_ranges.h); a number a file holds is held to the same range. What does not
// read is kept as its text in Inputs::unread, and named by the same words wherever it is shown.
#include "inputs.h"
#include "number_inputs.h"

#include <optional>
#include <string>
#include <string_view>

namespace mixora::jgj55 {

struct InputReading {
    std::optional<double> value;
    std::string problem; // without a value: "坍落度“1OO”不是数字"
};

// A text as the user typed it, or as the file kept a text that did not read.
InputReading ReadInput(const NumberInput& input, std::string_view text);
// A number the file holds.
InputReading CheckInput(const NumberInput& input, double value);

// `text` put into `inputs`: its value when it reads, else kept in inputs.unread (the number
// keeps its default). A given input's empty text gives no value (自动).
void PutInput(Inputs& inputs, const NumberInput& input, std::string_view text);
// The text the window shows for an input: its unread text, or its value written exactly (a
// given one that is absent: empty).
std::string InputText(const Inputs& inputs, const NumberInput& input);

// What is wrong with the first input that does not read, in the window's order; empty when
// every one reads.
std::string FirstInputProblem(const Inputs& inputs);

} // namespace mixora::jgj55
