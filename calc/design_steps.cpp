// The design steps. Each reads earlier results from the texts of their fields, as written
// (rounded to hundredths) or as typed, never as unrounded numbers.
#include "steps.h"

#include <cmath>

namespace mixora::calc {

void 第一步(const PressContext& press) {
    const StepContext s{press, Step::第一步};
    const float sigma = s.single(3); // standard deviation
    const float grade = s.single(1); // strength grade
    const double margin = s.mul(sigma, 1.645, 3);
    const double target = s.add(grade, margin, 1);
    s.write(2, s.fixed2(target));
}

// Every intermediate is stored in single precision before it is used further.
void 第二步(const PressContext& press) {
    const StepContext s{press, Step::第二步};
    const float cement_strength = s.single(5); // 28 days
    const float a = s.single(6);
    const float p = s.store(s.mul(cement_strength, a, 5), 5);
    const float surplus = s.single(9); // surplus coefficient
    const float a_raised = s.store(s.mul(surplus, p, 9), 9);
    const float b = s.single(7);
    const float q = s.store(s.mul(b, a_raised, 7), 7);
    const float target = s.single(2); // target strength
    const float denominator = s.store(s.add(target, q, 2), 2);
    const float ratio = s.store(s.div(a_raised, denominator, 2), 2);
    s.write(8, s.fixed2(ratio));
}

void 第三步(const PressContext& press) {
    const StepContext s{press, Step::第三步};
    const float w = s.single(8); // water–cement ratio
    const float inverse = s.store(s.div(1.0, w, 8), 8);
    s.write(10, s.fixed2(inverse));
}

// Reads its inputs leniently (a text without a leading number is 0) and compares the
// minimum with the two-decimal text it has just written.
void 第四步(const PressContext& press) {
    const StepContext s{press, Step::第四步};
    const double water = s.leading(26); // water content
    const double ratio = s.leading(8);  // water–cement ratio
    // A water content beyond any number is the one to correct; otherwise the ratio is.
    const double cement = s.div(water, ratio, std::isinf(water) ? 26 : 8);
    s.write(4, s.fixed2(cement));
    if (s.single(4) < 260.0f) {
        s.write(4, "260");
        s.notify(kMinimumCementNotice);
    }
}

} // namespace mixora::calc
