// Fuzzes the four conversions: none may crash or hang on any text or value, and whatever
// FormatFixed2 or FormatSingle writes must read back with ParseSingle as the number it shows,
// under the Chinese (PRC) settings and under a decimal-comma setting with other negative and
// grouping forms.
#include "conversions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)mixora::calc::ParseLeadingNumber(text);

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
    }
    return 0;
}
