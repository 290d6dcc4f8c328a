#pragma once
// The numbers a JGJ 55-2011 design is given, as data: each with its key in the design file,
// where the file keeps it, the caption messages name it by, its range, and where the inputs
// hold it. The file's reader and writer, the window and the report all go through this table,
// in the order the window shows the fields; a new number input is a new row.
#include "input_ranges.h"
#include "inputs.h"
#include "result.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mixora::jgj55 {

// Where the design file keeps a number: in "design" itself, in its "volume" object, or in its
// "given" object (a derived value the user typed in place of the computed one).
enum class InputPlace { Design, Volume, Given };

struct NumberInput {
    std::string_view key; // "slump"
    InputPlace place;
    // How a message names it ("坍落度"); empty for a given value, which is named by the
    // quantity it stands for ("用水量 mw0").
    std::string_view caption;
    Quantity quantity; // Given: the value it stands for
    const InputRange* range;
    double& (*number)(Inputs&) = nullptr;               // Design and Volume
    std::optional<double>& (*given)(Inputs&) = nullptr; // Given
    // A number added after files were written, left out at 0 so that a design without it
    // writes its file as before (硅灰掺量).
    bool omitted_at_zero = false;
};

// Every number input, in the order the window shows them.
std::span<const NumberInput> NumberInputs();
// The input of a key; nullptr for a key that names none.
const NumberInput* FindNumberInput(std::string_view key);

// What the inputs hold for it: a Design or Volume number, and a Given value (absent: 自动).
double NumberIn(const Inputs& inputs, const NumberInput& input);
std::optional<double> GivenIn(const Inputs& inputs, const NumberInput& input);

// "坍落度", "用水量 mw0".
std::string CaptionOf(const NumberInput& input);

} // namespace mixora::jgj55
