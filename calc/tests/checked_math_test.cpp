#include "checked_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace mixora::calc {
namespace {

std::optional<Fault> FaultOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const PressAborted& aborted) {
        EXPECT_EQ(aborted.error.step, Step::tijifa);
        EXPECT_EQ(aborted.error.field, Text18);
        return aborted.error.fault;
    }
    return std::nullopt;
}

TEST(CheckedMath, EachFaultIsReportedAtItsSite) {
    const FaultSite site{Step::tijifa, Text18};
    const double inf = HUGE_VAL;
    EXPECT_EQ(FaultOf([&] { (void)CheckedDiv(1, 0, site); }), Fault::DivisionByZero);
    EXPECT_EQ(FaultOf([&] { (void)CheckedDiv(-1, -0.0, site); }), Fault::DivisionByZero);
    EXPECT_EQ(FaultOf([&] { (void)CheckedDiv(0, 0, site); }), Fault::InvalidOperation);
    EXPECT_EQ(FaultOf([&] { (void)CheckedDiv(1, 1e-320, site); }), Fault::Overflow);
    EXPECT_EQ(FaultOf([&] { (void)CheckedMul(1e300, 1e300, site); }), Fault::Overflow);
    EXPECT_EQ(FaultOf([&] { (void)CheckedMul(inf, 0, site); }), Fault::InvalidOperation);
    EXPECT_EQ(FaultOf([&] { (void)CheckedSub(inf, inf, site); }), Fault::InvalidOperation);
    EXPECT_EQ(FaultOf([&] { (void)CheckedAdd(inf, 1, site); }), Fault::Overflow);
    EXPECT_EQ(FaultOf([&] { (void)CheckedSingle(1e39, site); }), Fault::Overflow);
    // Underflow is no fault, and a result just inside single range stays there.
    EXPECT_EQ(FaultOf([&] { EXPECT_EQ(CheckedSingle(1e-50, site), 0.0f); }), std::nullopt);
    EXPECT_EQ(FaultOf([&] { EXPECT_EQ(CheckedDiv(0, 5, site), 0.0); }), std::nullopt);
    EXPECT_EQ(FaultOf([&] { (void)CheckedSingle(3.4028235e38, site); }), std::nullopt);
}

} // namespace
} // namespace mixora::calc
