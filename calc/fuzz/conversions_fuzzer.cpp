// Fuzzes the four conversions: none may crash or hang on any text or value, and whatever
// FormatFixed2 or FormatSingle writes must read back with ParseSingle as the number it shows,
// under the Chinese (PRC) settings and under a decimal-comma setting with other negative and
// grouping forms. Fuzzes the reader of typed numbers and the rounding of the JGJ 55-2011 design
// alike: a number read holds nothing but blanks, a sign, digits and a point, in either width,
// and its shortest text reads back as it, typed in either width; a value rounded is rounded
// already, lies within half a place of the value, and written reads back as itself.
#include "conversions.h"
#include "decimal_rounding.h"
#include "typed_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using mixora::calc::NumberFormat;
using mixora::calc::ParsedSingle;

const NumberFormat kFormats[] = {
    {},                             // Chinese (PRC)
    {",", ".", "3;0", "-", 1},      // decimal comma, "." groups
    {",", "\u00a0", "3;0", "-", 3}, // no-break space groups, trailing sign
    {".", ",", "3;2;0", "-", 0},    // parentheses, Indian grouping
    {",", " ", "3", "\u2212", 4},   // one group only, a sign of its own
};

// The correctly rounded single of a plain decimal text, read without ParseSingle.
ParsedSingle Shown(std::string_view plain) {
    float value = 0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ptr != plain.data() + plain.size()) std::abort();
    return {value, ec};
}

void ExpectReadsBack(const std::string& text, ParsedSingle shown, const NumberFormat& format) {
    const ParsedSingle read = mixora::calc::ParseSingle(text, format);
    if (read.ec != shown.ec) std::abort();
    if (read.ec == std::errc{} && read.value != shown.value) std::abort();
}

void CheckFixed2(double value, const NumberFormat& format) {
    const std::string text = mixora::calc::FormatFixed2(value, format);
    if (!std::isfinite(value)) return;
    char plain[400];
    const auto end = std::to_chars(plain, plain + sizeof plain, value, std::chars_format::fixed, 2);
    ExpectReadsBack(text, Shown({plain, static_cast<std::size_t>(end.ptr - plain)}), format);
}

void CheckSingle(float value, const NumberFormat& format) {
    const std::string text = mixora::calc::FormatSingle(value, format);
    if (!std::isfinite(value)) return;
    char plain[32];
    const auto end =
        std::to_chars(plain, plain + sizeof plain, value, std::chars_format::scientific, 6);
    ExpectReadsBack(text, Shown({plain, static_cast<std::size_t>(end.ptr - plain)}), format);
}

// The text as a Chinese input method types it: full-width digits, point and minus.
std::string FullWidth(std::string_view ascii) {
    std::string wide;
    for (const char c : ascii) {
        if (c >= '0' && c <= '9') {
            wide += "\xef\xbc";
            wide += static_cast<char>(0x90 + (c - '0'));
        } else if (c == '.') {
            wide += "\uff0e";
        } else if (c == '-') {
            wide += "\uff0d";
        } else {
            wide += c;
        }
    }
    return wide;
}

void ExpectTyped(const std::string& text, double value) {
    const mixora::calc::TypedNumber read = mixora::calc::ReadTypedNumber(text, "x");
    if (!read.value || *read.value != value) std::abort();
}

void CheckRounding(double value) {
    if (!std::isfinite(value)) return;
    for (int decimals = 0; decimals <= 6; ++decimals) {
        const double rounded = mixora::calc::RoundShown(value, decimals);
        if (mixora::calc::RoundShown(rounded, decimals) != rounded) std::abort();
        if (mixora::calc::RoundUp(value, decimals) < rounded) std::abort();
        const double half = 0.5 * std::pow(10.0, -decimals);
        if (std::fabs(rounded - value) > half * (1 + 1e-9) + std::fabs(value) * 1e-11) std::abort();
        ExpectTyped(mixora::calc::FormatFixed(value, decimals), rounded);
    }
    // A value as given is written with every digit it has, and reads back as itself.
    ExpectTyped(mixora::calc::ExactText(value), value == 0 ? 0.0 : value);
}

void CheckTyped(std::string_view text) {
    const mixora::calc::TypedNumber read = mixora::calc::ReadTypedNumber(text, "x");
    if (!read.value) {
        if (read.problem.empty()) std::abort();
        return;
    }
    const double value = *read.value;
    if (!std::isfinite(value) || (value == 0 && std::signbit(value))) std::abort();
    // What it was read from, the input method's forms and blanks taken out, is ASCII.
    std::string rest(text);
    for (const std::string_view wide : {"\u3000", "\uff0e", "\uff0b", "\uff0d", "\u2212"})
        for (std::size_t at; (at = rest.find(wide)) != std::string::npos;)
            rest.erase(at, wide.size());
    for (std::size_t at; (at = rest.find("\xef\xbc")) != std::string::npos;)
        rest.erase(at, 3);
    if (rest.find_first_not_of("0123456789+-. \t\r\n") != std::string::npos) std::abort();

    char plain[400];
    const auto end = std::to_chars(plain, plain + sizeof plain, value, std::chars_format::fixed);
    const std::string shortest(plain, end.ptr);
    ExpectTyped(shortest, value);
    ExpectTyped("\u3000" + FullWidth(shortest) + " ", value);
    CheckRounding(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)mixora::calc::ParseLeadingNumber(text);
    CheckTyped(text);

    for (const NumberFormat& format : kFormats) {
        const ParsedSingle parsed = mixora::calc::ParseSingle(text, format);
        if (parsed.ec == std::errc{}) {
            if (!std::isfinite(parsed.value)) std::abort();
            CheckSingle(parsed.value, format);
            CheckFixed2(parsed.value, format);
        }
    }

    // The raw bytes as numbers too, reaching values no text would.
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        float f;
        std::memcpy(&f, data, sizeof f);
        for (const NumberFormat& format : kFormats) {
            CheckFixed2(d, format);
            CheckSingle(f, format);
        }
        CheckRounding(d);
    }
    return 0;
}
