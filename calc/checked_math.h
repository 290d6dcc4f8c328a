#pragma once
// The arithmetic of the steps, each result tested as it is made: a zero divisor, a result
// without a defined value and a result beyond the range of its type end the press.
//
// The tests look at the operands and the result rather than at the floating-point status
// flags: they cannot be reordered or folded away by the compiler, and behave the same in
// the native, sanitized and Windows builds. Underflow is no fault; an infinite result is an
// overflow whatever its operands, a NaN an invalid operation.
#include "calc_error.h"

namespace mixora::calc {

// Thrown inside a press when a step cannot go on; Press turns it into its result.
struct PressAborted {
    CalcError error;
};

// Where a fault is reported: the step doing the operation and the field to correct. A result
// beyond the range is the fault of an operand far out of its range, which need not be the
// field the operation is about: overflow_field names it when it is known.
struct FaultSite {
    Step step;
    Field field;
    std::optional<Field> overflow_field = std::nullopt;
};

[[noreturn]] void Abort(Fault fault, FaultSite site);

double CheckedAdd(double a, double b, FaultSite site);
double CheckedSub(double a, double b, FaultSite site);
double CheckedMul(double a, double b, FaultSite site);
// b == 0 is a division by zero, or an invalid operation when a is 0 too.
double CheckedDiv(double a, double b, FaultSite site);
// Rounds to single precision, as a value is when it is stored.
float CheckedSingle(double value, FaultSite site);

} // namespace mixora::calc
