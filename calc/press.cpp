// One press of "计算": the design stage fills the empty intermediate fields, the quantity
// stage runs the chosen method and, when both moisture contents are given, the adjustment.
// The first conversion error or arithmetic fault ends the press where it happens. A press that
// ran through to amounts that make no mix says so after it.
#include "press.h"
#include "design_rules.h"
#include "mix_soundness.h"
#include "steps.h"

namespace mixora::calc {

namespace {

// The design steps and the field each one fills; a filled field keeps its text.
struct DesignStep {
    Field output;
    void (*run)(const PressContext&);
};
constexpr DesignStep kDesignSteps[] = {
    {Text2, 第一步}, {Text8, 第二步}, {Text10, 第三步}, {Text4, 第四步}};

// The proportions the method just wrote, the cement content and the two moisture contents,
// converted last argument first.
void AdjustMethodResult(const PressContext& press) {
    const StepContext s{press, Step::QuantityStage};
    const float shizhsl = s.single(Text24);
    const float szhsl = s.single(Text21);
    const float snyzl = s.single(Text4);
    const float shizzlb = s.single(Text32);
    const float szzlb = s.single(Text31);
    tiaozheng(press, szzlb, shizzlb, snyzl, szhsl, shizhsl);
}

void MassMethod(const PressContext& press) {
    const StepContext s{press, Step::QuantityStage};
    const float zlbanhewu = s.single(Text20);
    const float zlshuiliang = s.single(Text26);
    const float zlshuiniliang = s.single(Text4);
    const float zlsl = s.single(Text15);
    zhiliangfa(press, zlsl, zlshuiniliang, zlshuiliang, zlbanhewu);
}

} // namespace

void DesignStage(const PressContext& press) {
    for (const DesignStep& step : kDesignSteps)
        if (press.sheet.is_empty(step.output)) step.run(press);
}

// Each option is tested on its own current state, one after the other.
void QuantityStage(const PressContext& press) {
    if (press.sheet.is_on(Toggle::option1)) {
        const bool moist = MoistureGiven(press.sheet);
        tjfjs(press);
        if (moist) AdjustMethodResult(press);
    }
    if (press.sheet.is_on(Toggle::option2)) {
        const bool moist = MoistureGiven(press.sheet);
        MassMethod(press);
        if (moist) AdjustMethodResult(press);
    }
}

std::optional<CalcError> Press(Sheet& sheet, Notices& notices, const NumberFormat& format) {
    const PressContext press{sheet, notices, format};
    try {
        DesignStage(press);
        QuantityStage(press);
    } catch (const PressAborted& aborted) {
        return aborted.error;
    }
    const bool method_ran = sheet.is_on(Toggle::option1) || sheet.is_on(Toggle::option2);
    if (method_ran)
        if (const auto unsound = FindUnsoundMix(sheet, format))
            notices.notify(UnsoundMixMessage(*unsound));
    return std::nullopt;
}

} // namespace mixora::calc
