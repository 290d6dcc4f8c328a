#pragma once
// A number as the user types it into a field of the JGJ 55-2011 design or its trial, read one
// way for every such field (the cement sheet reads its fields by the regional settings,
// conversions.h):
// - blanks around it are ignored: ASCII blanks and the ideographic space (U+3000);
// - what a Chinese input method types reads as its ASCII form: the full-width digits ０ … ９,
//   point ．, plus ＋ and minus －, and the minus sign − (U+2212);
// - then an optional sign and digits with at most one "." ("12", "-0.47", "+.5", "5.").
// Anything else is refused, naming the field by its caption: an exponent ("1e3"), a group
// separator ("1,000"), "NaN", "inf", a unit, and a magnitude beyond a double's range. The
// problem quotes at most the text's first 32 characters (text_prefix.h).
#include <optional>
#include <string>
#include <string_view>

namespace mixora::calc {

struct TypedNumber {
    std::optional<double> value; // finite, never -0
    std::string problem; // when there is none: "砂含水率未填写", "砂含水率“1e3”不是数字"
};

TypedNumber ReadTypedNumber(std::string_view text, std::string_view caption);

} // namespace mixora::calc
