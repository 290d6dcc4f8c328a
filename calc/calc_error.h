#pragma once
// The one error type of the calculator: what went wrong, in which step, at which field.
#include "field.h"

#include <optional>

namespace mixora::calc {

enum class Fault {
    EmptyText,        // a field read as a number holds the empty text
    NotANumber,       // a field read as a number does not hold one as a whole
    OutOfRange,       // a field holds a number beyond the single-precision range
    DivisionByZero,   // a division by zero in a formula
    Overflow,         // a formula's result beyond the range of its type
    InvalidOperation, // a formula without a defined result (0 / 0, ∞ − ∞ …)
};

enum class Step {
    第一步,        // target strength
    第二步,        // water–cement ratio
    第三步,        // cement–water ratio
    第四步,        // cement content
    tijifa,        // absolute-volume masses
    tjfjs,         // volume method
    zhiliangfa,    // mass method
    tiaozheng,     // moisture adjustment
    QuantityStage, // the conversions the quantity stage makes for the methods
};

struct CalcError {
    Fault fault;
    Step step;
    std::optional<Field> field; // the field the fault is about (the one to correct), if any

    friend bool operator==(const CalcError&, const CalcError&) = default;
};

} // namespace mixora::calc
