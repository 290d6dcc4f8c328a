#pragma once
// The four conversions between field text and numbers, by the user's regional settings.
#include <string>
#include <string_view>
#include <system_error>

namespace mixora::calc {

// The user's regional number settings (the platform reads them; Chinese (PRC) by default).
struct NumberFormat {
    std::string decimal = ".";    // decimal separator
    std::string group = ",";      // digit-group separator
    std::string grouping = "3;0"; // group sizes from the right, in the platform's notation
    std::string negative_sign = "-";
    int negative_order = 1; // 0 "(1.1)", 1 "-1.1", 2 "- 1.1", 3 "1.1-", 4 "1.1 -"
};

// ec is std::errc{} on success, std::errc::invalid_argument for an empty text or one that is
// not a number as a whole, std::errc::result_out_of_range beyond the single-precision range.
struct ParsedSingle {
    float value;
    std::errc ec;
};

[[nodiscard]] ParsedSingle ParseSingle(std::string_view text, const NumberFormat& format);
[[nodiscard]] double ParseLeadingNumber(std::string_view text);
[[nodiscard]] std::string FormatFixed2(double value, const NumberFormat& format);
[[nodiscard]] std::string FormatSingle(float value, const NumberFormat& format);

} // namespace mixora::calc
