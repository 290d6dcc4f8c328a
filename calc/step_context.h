#pragma once
// What a step works with: the sheet, where notices go and the number settings, and the
// reads, writes and arithmetic of one step, each ending the press with that step's name on
// a conversion error or an arithmetic fault.
#include "calc_error.h"
#include "checked_math.h"
#include "conversions.h"
#include "sheet.h"

#include <bitset>
#include <optional>
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
    void write(Field field, std::string_view text) const;
    void notify(std::string_view message) const { press_.notices.notify(message); }

    // ParseSingle of TextN; an empty or non-numeric text or one beyond single range ends
    // the press at that field, except a text this step wrote: beyond single range, that is a
    // result out of range, reported as an overflow.
    float single(Field field) const;
    // ParseSingle of a text the step made itself; a failure is reported at `field`.
    float single_of(std::string_view text, Field field) const;
    // ParseLeadingNumber of TextN; never fails.
    double leading(Field field) const;
    // A value the step was handed, read from `field` by the step that called it: like the
    // fields it reads itself, it may be the one to blame for an overflow.
    void argument(Field field, double value) const { note_operand(field, value); }

    std::string fixed2(double value) const { return FormatFixed2(value, press_.format); }
    std::string plain(float value) const { return FormatSingle(value, press_.format); }

    // Checked arithmetic; `field` is the one a fault is reported at, except an overflow: that
    // is reported at the step's operand farthest out of range.
    double add(double a, double b, Field field) const { return CheckedAdd(a, b, site(field)); }
    double sub(double a, double b, Field field) const { return CheckedSub(a, b, site(field)); }
    double mul(double a, double b, Field field) const { return CheckedMul(a, b, site(field)); }
    double div(double a, double b, Field field) const { return CheckedDiv(a, b, site(field)); }
    float store(double value, Field field) const { return CheckedSingle(value, site(field)); }

  private:
    FaultSite site(Field field) const { return {step_, field, farthest_}; }
    float convert(std::string_view text, Field field, bool own_result) const;
    // Keeps the field of the operand farthest from 1 in orders of magnitude: a result beyond
    // the range comes from such an operand (the one the user typed wrongly), not from its
    // ordinary neighbours.
    void note_operand(Field field, double value) const;

    const PressContext& press_;
    Step step_;
    // What the step has read and written so far; kept for naming the field of a fault only.
    mutable std::optional<Field> farthest_;
    mutable double farthest_decades_ = 0.0;
    mutable std::bitset<kFieldCount> written_;
};

} // namespace mixora::calc
