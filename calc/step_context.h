#pragma once
// What a step works with: the sheet, where notices go and the number settings, and the
// reads, writes and arithmetic of one step, each ending the press with that step's name on
// a conversion error or an arithmetic fault.
#include "calc_error.h"
#include "checked_math.h"
#include "conversions.h"
#include "sheet.h"

#include <string>
#include <string_view>

namespace mixora::calc {

struct PressContext {
    Sheet& sheet;
    Notices& notices;
    const NumberFormat& format;
};

class StepContext {
  public:
    StepContext(const PressContext& press, Step step) : press_(press), step_(step) {}

    std::string text(Field field) const { return press_.sheet.text(field); }
    void write(Field field, std::string_view text) const { press_.sheet.set_text(field, text); }
    void notify(std::string_view message) const { press_.notices.notify(message); }

    // ParseSingle of TextN; an empty or non-numeric text or one beyond single range ends
    // the press at that field.
    float single(Field field) const { return single_of(text(field), field); }
    // ParseSingle of a text the step made itself; a failure is reported at `field`.
    float single_of(std::string_view text, Field field) const;
    // ParseLeadingNumber of TextN; never fails.
    double leading(Field field) const { return ParseLeadingNumber(text(field)); }

    std::string fixed2(double value) const { return FormatFixed2(value, press_.format); }
    std::string plain(float value) const { return FormatSingle(value, press_.format); }

    // Checked arithmetic; `field` is the one a fault is reported at.
    double add(double a, double b, Field field) const { return CheckedAdd(a, b, {step_, field}); }
    double sub(double a, double b, Field field) const { return CheckedSub(a, b, {step_, field}); }
    double mul(double a, double b, Field field) const { return CheckedMul(a, b, {step_, field}); }
    double div(double a, double b, Field field) const { return CheckedDiv(a, b, {step_, field}); }
    float store(double value, Field field) const { return CheckedSingle(value, {step_, field}); }

  private:
    const PressContext& press_;
    Step step_;
};

} // namespace mixora::calc
