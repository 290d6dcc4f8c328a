// The design steps. Each reads earlier results from the texts of their fields, as written
// (rounded to hundredths) or as typed, never as unrounded numbers.
#include "design_rules.h"
#include "jgj55_2011.h"
#include "steps.h"

#include <cmath>

namespace mixora::calc {

void 第一步(const PressContext& press) {
    const StepContext s{press, Step::第一步};
    const float sigma = s.single(Text3); // standard deviation
    const float grade = s.single(Text1); // strength grade
    // fcu,0 = fcu,k + 1.645σ (JGJ 55-2011 式 4.0.1-1).
    const double margin = s.mul(sigma, standards::jgj55_2011::kStrengthMargin.value, Text3);
    const double target = s.add(grade, margin, Text1);
    s.write(Text2, s.fixed2(target));
}

// Every intermediate is stored in single precision before it is used further.
void 第二步(const PressContext& press) {
    const StepContext s{press, Step::第二步};
    const float cement_strength = s.single(Text5); // 28 days
    const float a = s.single(Text6);
    const float p = s.store(s.mul(cement_strength, a, Text5), Text5);
    const float surplus = s.single(Text9); // surplus coefficient
    const float a_raised = s.store(s.mul(surplus, p, Text9), Text9);
    const float b = s.single(Text7);
    const float q = s.store(s.mul(b, a_raised, Text7), Text7);
    const float target = s.single(Text2); // target strength
    const float denominator = s.store(s.add(target, q, Text2), Text2);
    const float ratio = s.store(s.div(a_raised, denominator, Text2), Text2);
    s.write(Text8, s.fixed2(ratio));
}

void 第三步(const PressContext& press) {
    const StepContext s{press, Step::第三步};
    const float w = s.single(Text8); // water–cement ratio
    const float inverse = s.store(s.div(1.0, w, Text8), Text8);
    s.write(Text10, s.fixed2(inverse));
}

// Reads its inputs leniently (a text without a leading number is 0) and compares the
// minimum with the two-decimal text it has just written.
void 第四步(const PressContext& press) {
    const StepContext s{press, Step::第四步};
    const double water = s.leading(Text26); // water content
    const double ratio = s.leading(Text8);  // water–cement ratio
    // A water content beyond any number is the one to correct; otherwise the ratio is.
    const double cement = s.div(water, ratio, std::isinf(water) ? Text26 : Text8);
    s.write(Text4, s.fixed2(cement));
    if (s.single(Text4) < static_cast<float>(kMinimumCement)) {
        s.write(Text4, MinimumCementText());
        s.notify(MinimumCementNotice());
    }
}

} // namespace mixora::calc
