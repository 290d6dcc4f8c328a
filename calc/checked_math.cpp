#include "checked_math.h"

#include <cmath>

namespace mixora::calc {

namespace {
template <class T> T Checked(T result, FaultSite site) {
    if (std::isnan(result)) Abort(Fault::InvalidOperation, site);
    if (std::isinf(result))
        Abort(Fault::Overflow, {site.step, site.overflow_field.value_or(site.field)});
    return result;
}
} // namespace

void Abort(Fault fault, FaultSite site) {
    throw PressAborted{{fault, site.step, site.field}};
}

double CheckedAdd(double a, double b, FaultSite site) {
    return Checked(a + b, site);
}

double CheckedSub(double a, double b, FaultSite site) {
    return Checked(a - b, site);
}

double CheckedMul(double a, double b, FaultSite site) {
    return Checked(a * b, site);
}

double CheckedDiv(double a, double b, FaultSite site) {
    if (b == 0.0)
        Abort(a == 0.0 || std::isnan(a) ? Fault::InvalidOperation : Fault::DivisionByZero, site);
    return Checked(a / b, site);
}

// Beyond single range the IEEE conversion gives an infinity, which is the overflow.
float CheckedSingle(double value, FaultSite site) {
    return Checked(static_cast<float>(value), site);
}

} // namespace mixora::calc
